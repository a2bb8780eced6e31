// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <future>

#include "assets/PictureCatalog.h"

namespace cinta {

// The picture for a screen with the given device pixel ratio. Above 1 it is the 2x twin marked
// with ratio 2, so its logical size stays the designed size and it is drawn sharp instead of
// upscaled. Qt 6.4 never looks for "@2x" twins when loading a QPixmap (only for a QIcon made
// from a file while the application's ratio is above 1), hence the explicit choice.
QPixmap Picture(PictureId id, qreal devicePixelRatio);

// The same for the application's device pixel ratio (the highest of its screens).
QPixmap Picture(PictureId id);

// Loads the picture for `devicePixelRatio` on another thread, so that a window can build its
// controls meanwhile; worth it for the background, the one picture embedded as a compressed file
// rather than as pixels. The image is in the format the screen draws fastest, so
// QPixmap::fromImage on it costs no conversion.
std::future<QImage> DecodePictureInBackground(PictureId id, qreal devicePixelRatio);

// Both sizes in one icon, for window icons that the platform scales itself.
QIcon PictureIcon(PictureId id);

}  // namespace cinta
