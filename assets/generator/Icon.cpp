// SPDX-License-Identifier: MIT
#include "assets/generator/Icon.h"

#include <QLinearGradient>

#include "assets/generator/Drawing.h"
#include "assets/generator/Viewer.h"

namespace cinta {

void DrawIcon(QPainter& painter) {
  const QColor outline(30, 30, 40);

  // The sheet, tilted behind everything.
  painter.save();
  painter.translate(11, 13);
  painter.rotate(-8);
  painter.setPen(QPen(outline, 0.8));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(-9, -12, 18, 24));
  painter.setPen(QPen(QColor(90, 130, 220), 0.9));
  for (qreal y = -7.5; y <= 9; y += 3) painter.drawLine(QPointF(-7, y), QPointF(7, y));
  painter.restore();

  DrawPencil(painter, QPointF(2.5, 28.5), QPointF(13, 4), 4.5);

  const QRectF body(14.5, 7.5, 16, 23.5);
  QLinearGradient grey(body.topLeft(), body.bottomRight());
  grey.setColorAt(0.0, QColor(95, 100, 115));
  grey.setColorAt(1.0, QColor(35, 38, 48));
  painter.setPen(QPen(outline, 0.9));
  painter.setBrush(grey);
  painter.drawRoundedRect(body, 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(170, 215, 160));
  painter.drawRect(QRectF(16.5, 9.5, 12, 5));
  // Keys: three columns, four rows; the last column is the operators in orange.
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      painter.setBrush(column == 2 ? QColor(255, 150, 40) : QColor(235, 235, 240));
      painter.drawRect(QRectF(16.5 + column * 4.2, 16.5 + row * 3.5, 3.2, 2.5));
    }
  }
}

}  // namespace cinta
