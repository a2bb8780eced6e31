// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

#include "assets/PictureCatalog.h"

namespace cinta {

// Paints picture id filling size, in logical pixels (its designed size); the painter's transform
// carries the scale, so a 2x twin is drawn from the same shapes at twice the resolution.
void DrawPicture(PictureId id, QPainter& painter, QSizeF size);

}  // namespace cinta
