// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// The windows' background: a multicoloured swirl of rainbow bands.
void DrawBackground(QPainter& painter, QSizeF size);

// The about picture: a letter C inside a ring on a blue disc. It is an image drawn straight on
// the window, so its corners repeat the part of the swirl that lies under it.
void DrawAbout(QPainter& painter, QSizeF size);

}  // namespace cinta
