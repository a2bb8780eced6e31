// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// A written column sum: 1, +1, a rule, 2 (the key that returns to the editable numbers).
void DrawColumnSum(QPainter& painter, QSizeF size);

// A two-coloured eraser.
void DrawEraser(QPainter& painter, QSizeF size);

// An arrow pointing up on a green bar (up is true) or down on a yellow bar.
void DrawScrollBar(QPainter& painter, QSizeF size, bool up);

}  // namespace cinta
