// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// Which of the two sets of operator faces: the keypad's keys or the small faces of the palette
// and the row buttons.
enum class OperatorFaceSize { Key, Small };

// The symbol of operator code (0 to 11) in black, centred on white.
void DrawOperatorFace(QPainter& painter, QSizeF size, int code, OperatorFaceSize faceSize);

}  // namespace cinta
