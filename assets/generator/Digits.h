// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// digit (0 to 9) in white on a round glossy blue badge, on the digit keys' face colour.
void DrawDigitBadge(QPainter& painter, QSizeF size, int digit);

}  // namespace cinta
