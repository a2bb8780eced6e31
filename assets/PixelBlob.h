// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace cinta {

// Pictures are embedded already decoded, as a pixel blob: a 16-byte header ("CPX1", then width,
// height and QImage format as 32-bit numbers in the machine's byte order) followed by the rows,
// 4 bytes a pixel, without padding. Reading one is a copy: no image plugin, no decoder.

// The blob for `image`, converted to the 32-bit format the screen draws fastest.
QByteArray EncodePixelBlob(const QImage& image);

// The image a blob holds; a null image when the blob is not a whole, well-formed one.
QImage DecodePixelBlob(QByteArrayView blob);

}  // namespace cinta
