// SPDX-License-Identifier: MIT
#include "controls/Bevel.h"

namespace cinta {

namespace {

// Each edge is a one-pixel band filled, not a stroked line: a band covers whole device pixels at
// any scale, where a scaled pen would straddle the key's border.
void DrawEdges(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

}  // namespace

void DrawBevel(QPainter& painter, const QRect& area, bool sunken) {
  const QColor light(255, 255, 255);
  const QColor shadow(128, 128, 128);
  const QColor dark(0, 0, 0);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawEdges(painter, area, sunken ? dark : light, sunken ? light : dark);
  DrawEdges(painter, area.adjusted(1, 1, -1, -1), sunken ? shadow : light, sunken ? light : shadow);
  painter.restore();
}

}  // namespace cinta
