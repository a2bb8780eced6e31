// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QRect>

namespace cinta {

// The classic two-pixel 3D edge of a key: light on the top and left, dark on the bottom and
// right; reversed while the key is held down. Shared by the keys and the operator buttons the tape
// view paints.
void DrawBevel(QPainter& painter, const QRect& area, bool sunken);

}  // namespace cinta
