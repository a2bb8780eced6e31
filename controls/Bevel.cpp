// SPDX-License-Identifier: MIT
#include "controls/Bevel.h"

namespace cinta {

void DrawBevel(QPainter& painter, const QRect& area, bool sunken) {
  const QColor light(255, 255, 255);
  const QColor shadow(128, 128, 128);
  const QColor dark(0, 0, 0);
  const QColor outerTopLeft = sunken ? dark : light;
  const QColor outerBottomRight = sunken ? light : dark;
  const QColor innerBottomRight = sunken ? light : shadow;
  const QRect r = area.adjusted(0, 0, -1, -1);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(outerTopLeft);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(outerBottomRight);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
  const QRect inner = r.adjusted(1, 1, -1, -1);
  painter.setPen(sunken ? shadow : light);
  painter.drawLine(inner.topLeft(), inner.topRight());
  painter.drawLine(inner.topLeft(), inner.bottomLeft());
  painter.setPen(innerBottomRight);
  painter.drawLine(inner.bottomLeft(), inner.bottomRight());
  painter.drawLine(inner.topRight(), inner.bottomRight());
  painter.restore();
}

}  // namespace cinta
