// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <string_view>

namespace cinta {

// Writes image to path in format ("bmp", "jpeg", "gif" or "ico"). BMP is written with 24 bits per
// pixel and JPEG by Qt; GIF and ICO, which Qt cannot write, through ImageMagick's `convert`.
// Returns an empty text on success, otherwise what went wrong.
QString WritePicture(const QImage& image, std::string_view format, const QString& path);

}  // namespace cinta
