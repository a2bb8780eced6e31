// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

#include "assets/PictureCatalog.h"

namespace cinta {

// Resource path of the picture at its table size, ":/pictures/<file>".
QString PicturePath(PictureId id);

// Resource path of its twin drawn at twice the size, ":/pictures/<name>@2x.<ext>".
QString PicturePath2x(PictureId id);

// The picture for a screen with the given device pixel ratio. Above 1 it is the 2x twin marked
// with ratio 2, so its logical size stays the table size and it is drawn sharp instead of
// upscaled. Qt 6.4 never looks for "@2x" twins when loading a QPixmap (only for a QIcon made
// from a file while the application's ratio is above 1), hence the explicit choice.
QPixmap Picture(PictureId id, qreal devicePixelRatio);

// The same for the application's device pixel ratio (the highest of its screens).
QPixmap Picture(PictureId id);

// Decodes the picture for `devicePixelRatio` on another thread, into the pixel format the screen
// draws fastest, so that a window can build its controls meanwhile. QPixmap::fromImage on the
// result costs no conversion.
std::future<QImage> DecodePictureInBackground(PictureId id, qreal devicePixelRatio);

// Both sizes in one icon, for window icons that the platform scales itself.
QIcon PictureIcon(PictureId id);

}  // namespace cinta
