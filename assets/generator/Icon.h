// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// The windows' icon on a clear background: a calculator in front of a ruled sheet, with a
// pencil.
void DrawIcon(QPainter& painter);

}  // namespace cinta
