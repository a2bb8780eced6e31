// SPDX-License-Identifier: MIT
#include "assets/generator/TopStrip.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "assets/generator/Drawing.h"

namespace cinta {

namespace {

// A rounded tile filling the picture but for a margin, with a border, a glass highlight and a
// soft shadow on the face colour.
void DrawTile(QPainter& painter, QSizeF size, const QColor& face, const QGradient& fill,
              const QColor& border, qreal radius) {
  painter.fillRect(QRectF(QPointF(0, 0), size), face);
  const QRectF tile(2, 1.5, size.width() - 4, size.height() - 4.5);
  QPainterPath shape;
  shape.addRoundedRect(tile, radius, radius);
  DrawSoftShadow(painter, shape, QPointF(0, 1.2), 1.6, 120);
  painter.setPen(QPen(border, 1.0));
  painter.setBrush(fill);
  painter.drawPath(shape);
  DrawGloss(painter,
            QRectF(tile.left() + 2, tile.top() + 1.5, tile.width() - 4, tile.height() * 0.45),
            radius - 2, 150);
}

void DrawEmbossedText(QPainter& painter, const QPainterPath& glyphs, const QColor& colour,
                      const QColor& shadow) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(shadow);
  painter.drawPath(glyphs.translated(0.7, 1.0));
  painter.setBrush(colour);
  painter.drawPath(glyphs);
}

}  // namespace

void DrawCamera(QPainter& painter) {
  const QColor outline(20, 20, 28);

  // Viewfinder hump, then the body over it.
  QPainterPath hump;
  hump.moveTo(12, 11);
  hump.lineTo(14.5, 6.5);
  hump.lineTo(23.5, 6.5);
  hump.lineTo(26, 11);
  hump.closeSubpath();
  painter.setPen(QPen(outline, 1.0));
  painter.setBrush(QColor(70, 72, 82));
  painter.drawPath(hump);
  painter.setBrush(QColor(225, 40, 40));
  painter.drawRoundedRect(QRectF(28, 7.5, 5, 3), 1, 1);

  const QRectF body(2.5, 10.5, 33, 22);
  QLinearGradient bodyFill(body.topLeft(), body.bottomLeft());
  bodyFill.setColorAt(0.0, QColor(110, 112, 124));
  bodyFill.setColorAt(1.0, QColor(40, 41, 48));
  painter.setBrush(bodyFill);
  painter.drawRoundedRect(body, 4, 4);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 60));
  painter.drawRoundedRect(QRectF(4, 12, 30, 4), 2, 2);
  painter.setBrush(QColor(250, 250, 210));
  painter.setPen(QPen(outline, 0.8));
  painter.drawRect(QRectF(5, 13, 5, 3));

  const QPointF lensCentre(19, 21.5);
  QRadialGradient ring(lensCentre + QPointF(-2, -3), 11);
  ring.setColorAt(0.0, QColor(245, 245, 250));
  ring.setColorAt(1.0, QColor(120, 124, 135));
  painter.setPen(QPen(outline, 1.0));
  painter.setBrush(ring);
  painter.drawEllipse(lensCentre, 9, 9);
  QRadialGradient glass(lensCentre + QPointF(-1.5, -2), 7);
  glass.setColorAt(0.0, QColor(90, 150, 230));
  glass.setColorAt(0.7, QColor(20, 40, 110));
  glass.setColorAt(1.0, QColor(5, 10, 40));
  painter.setBrush(glass);
  painter.drawEllipse(lensCentre, 6, 6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 200));
  painter.drawEllipse(lensCentre + QPointF(-2.2, -2.2), 1.6, 1.6);
}

void DrawClearEntry(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  QLinearGradient cyan(area.topLeft(), area.bottomLeft());
  cyan.setColorAt(0.0, QColor(170, 255, 255));
  cyan.setColorAt(1.0, QColor(0, 185, 215));
  DrawTile(painter, size, kPinkFace, cyan, QColor(0, 105, 135), 8);
  const QPointF centre(size.width() / 2, size.height() / 2 - 1);
  DrawEmbossedText(painter, CentredOn(TextPath(QStringLiteral("CE"), 19), centre),
                   QColor(0, 35, 95), QColor(255, 255, 255, 170));
}

void DrawClear(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  QLinearGradient redToBlue(area.topLeft(), area.bottomRight());
  redToBlue.setColorAt(0.15, QColor(250, 40, 35));
  redToBlue.setColorAt(0.85, QColor(30, 60, 225));
  DrawTile(painter, size, kRedFace, redToBlue, QColor(60, 10, 70), 8);
  const QPointF centre(size.width() / 2, size.height() / 2 - 1);
  DrawEmbossedText(painter, CentredOn(TextPath(QStringLiteral("C"), 26), centre), Qt::white,
                   QColor(0, 0, 40, 150));
}

void DrawBackspace(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kPinkFace);
  // The shaft rises on the right and bends over to the left, where the head points back.
  QPainterPath shaft;
  shaft.moveTo(35, 40);
  shaft.cubicTo(42, 28, 38, 15, 22, 16);
  QPainterPath head;
  head.moveTo(7, 16);
  head.lineTo(21, 6);
  head.lineTo(21, 26);
  head.closeSubpath();
  const QPainterPath arrow =
      StrokeOutline(shaft, 7, Qt::RoundCap, Qt::RoundJoin).united(head).simplified();
  DrawSoftShadow(painter, arrow, QPointF(0.8, 1.2), 1.6, 120);
  QLinearGradient fill(QPointF(0, 6), QPointF(0, 42));
  fill.setColorAt(0.0, QColor(60, 80, 190));
  fill.setColorAt(1.0, QColor(15, 25, 90));
  painter.setPen(QPen(QColor(5, 10, 50), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(fill);
  painter.drawPath(arrow);
}

void DrawClose(QPainter& painter, QSizeF size) {
  const QRectF area(QPointF(0, 0), size);
  QLinearGradient red(area.topLeft(), area.bottomLeft());
  red.setColorAt(0.0, QColor(255, 95, 80));
  red.setColorAt(1.0, QColor(185, 0, 0));
  DrawTile(painter, size, kWhiteFace, red, QColor(110, 0, 0), 13);

  const QPointF centre(size.width() / 2, size.height() / 2 - 1);
  const qreal arm = size.width() * 0.2;
  QPainterPath cross;
  cross.moveTo(centre + QPointF(-arm, -arm));
  cross.lineTo(centre + QPointF(arm, arm));
  cross.moveTo(centre + QPointF(arm, -arm));
  cross.lineTo(centre + QPointF(-arm, arm));
  const QPainterPath x = StrokeOutline(cross, size.width() * 0.14, Qt::RoundCap, Qt::RoundJoin);
  DrawSoftShadow(painter, x, QPointF(0.8, 1.5), 2.0, 140);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(x);
}

}  // namespace cinta
