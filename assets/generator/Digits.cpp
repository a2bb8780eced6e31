// SPDX-License-Identifier: MIT
#include "assets/generator/Digits.h"

#include <QRadialGradient>
#include <algorithm>

#include "assets/generator/Drawing.h"

namespace cinta {

void DrawDigitBadge(QPainter& painter, QSizeF size, int digit) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kDigitFace);

  // The badge keeps room below for its shadow; the pictures differ by a pixel or two, the
  // badges should not.
  const qreal diameter = std::min(size.width(), size.height()) - 6;
  const QPointF centre(size.width() / 2, size.height() / 2 - 1);
  const QRectF disc(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
  QPainterPath discPath;
  discPath.addEllipse(disc);
  DrawSoftShadow(painter, discPath, QPointF(0, 1.5), 2.5, 110);

  const qreal radius = diameter / 2;
  QRadialGradient body(centre + QPointF(-0.25 * radius, -0.35 * radius), 1.25 * radius);
  body.setColorAt(0.0, QColor(110, 170, 255));
  body.setColorAt(0.55, QColor(30, 95, 215));
  body.setColorAt(1.0, QColor(8, 38, 120));
  painter.setPen(QPen(QColor(5, 25, 80), 1.0));
  painter.setBrush(body);
  painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));

  const QRectF glossBox(disc.left() + 0.18 * diameter, disc.top() + 0.05 * diameter,
                        0.64 * diameter, 0.42 * diameter);
  QLinearGradient gloss(glossBox.topLeft(), glossBox.bottomLeft());
  gloss.setColorAt(0.0, QColor(255, 255, 255, 190));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 10));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gloss);
  painter.drawEllipse(glossBox);

  const QPainterPath glyph =
      CentredOn(TextPath(QString::number(digit), diameter * 0.5), centre + QPointF(0, 0.5));
  painter.setBrush(QColor(0, 20, 70, 150));
  painter.drawPath(glyph.translated(0.8, 1.2));
  painter.setBrush(Qt::white);
  painter.drawPath(glyph);
}

}  // namespace cinta
