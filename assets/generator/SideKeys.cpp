// SPDX-License-Identifier: MIT
#include "assets/generator/SideKeys.h"

#include <QLinearGradient>

#include "assets/generator/Drawing.h"

namespace cinta {

namespace {

// The outline of an upward arrow whose tip is at (0, 0), length long and head width wide.
QPainterPath UpArrow(qreal length, qreal width, qreal shaft) {
  const qreal head = width * 0.85;
  QPainterPath arrow;
  arrow.moveTo(0, 0);
  arrow.lineTo(width / 2, head);
  arrow.lineTo(shaft / 2, head);
  arrow.lineTo(shaft / 2, length);
  arrow.lineTo(-shaft / 2, length);
  arrow.lineTo(-shaft / 2, head);
  arrow.lineTo(-width / 2, head);
  arrow.closeSubpath();
  return arrow;
}

}  // namespace

void DrawColumnSum(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kFormatFace);
  const QColor ink(20, 40, 160);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);

  // Figures right-aligned in one column, as a sum is written on paper.
  constexpr qreal kCap = 8;
  constexpr qreal kRight = 25;
  const auto figure = [&](const QString& text, qreal baseline) {
    const QPainterPath path = TextPath(text, kCap);
    painter.drawPath(path.translated(kRight - path.boundingRect().right(), baseline));
  };
  figure(QStringLiteral("1"), 10.5);
  figure(QStringLiteral("1"), 20);
  const qreal plusSize = 6;
  painter.drawRect(QRectF(8, 16 - 0.8, plusSize, 1.6));
  painter.drawRect(QRectF(8 + plusSize / 2 - 0.8, 16 - plusSize / 2, 1.6, plusSize));
  painter.drawRect(QRectF(6, 22.5, 23, 1.6));
  figure(QStringLiteral("2"), 33);
}

void DrawEraser(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kWhiteFace);

  // Crumbs rubbed off, then the block: a slanted rounded bar with a visible thickness.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(150, 150, 160));
  for (const QPointF& crumb : {QPointF(9, 38), QPointF(14, 41.5), QPointF(6, 42.5)}) {
    painter.drawEllipse(crumb, 1.3, 1.0);
  }
  painter.translate(46, 21);
  painter.rotate(-14);
  const QRectF top(-35, -10, 70, 17);
  constexpr qreal kThickness = 6;
  constexpr qreal kSplit = -6;  // where the red end meets the blue end
  QPainterPath block;
  block.addRoundedRect(top, 4, 4);
  DrawSoftShadow(painter, block.translated(0, kThickness), QPointF(0, 1.5), 2, 90);

  const QRectF redTop(top.left(), top.top(), kSplit - top.left(), top.height());
  const QRectF blueTop(kSplit, top.top(), top.right() - kSplit, top.height());
  const auto part = [&](const QRectF& rect) {
    QPainterPath clip;
    clip.addRect(rect.adjusted(0, 0, 0, kThickness + 2));
    return clip;
  };
  const QPainterPath body = block.united(block.translated(0, kThickness));
  // Sides first (darker), then the top faces over them.
  painter.setPen(QPen(QColor(40, 20, 30), 0.9));
  painter.setBrush(QColor(165, 30, 50));
  painter.drawPath(body.intersected(part(redTop)));
  painter.setBrush(QColor(25, 60, 150));
  painter.drawPath(body.intersected(part(blueTop)));

  QLinearGradient red(top.topLeft(), top.bottomLeft());
  red.setColorAt(0.0, QColor(255, 140, 150));
  red.setColorAt(1.0, QColor(225, 55, 75));
  painter.setBrush(red);
  painter.drawPath(block.intersected(part(redTop)));
  QLinearGradient blue(top.topLeft(), top.bottomLeft());
  blue.setColorAt(0.0, QColor(135, 175, 255));
  blue.setColorAt(1.0, QColor(45, 95, 215));
  painter.setBrush(blue);
  painter.drawPath(block.intersected(part(blueTop)));
  DrawGloss(painter, QRectF(top.left() + 2, top.top() + 1.2, top.width() - 4, top.height() * 0.4),
            2, 130);
}

void DrawScrollBar(QPainter& painter, QSizeF size, bool up) {
  const QColor face = up ? QColor(0, 255, 0) : QColor(255, 255, 0);
  painter.fillRect(QRectF(QPointF(0, 0), size), face);
  const QRectF bar(1.5, 1.5, size.width() - 3, size.height() - 3);
  // Lit from the left, so the bar reads as a rounded rod.
  QLinearGradient rod(bar.topLeft(), bar.topRight());
  if (up) {
    rod.setColorAt(0.0, QColor(170, 255, 170));
    rod.setColorAt(0.45, QColor(30, 215, 30));
    rod.setColorAt(1.0, QColor(0, 120, 0));
  } else {
    rod.setColorAt(0.0, QColor(255, 255, 190));
    rod.setColorAt(0.45, QColor(250, 215, 20));
    rod.setColorAt(1.0, QColor(175, 135, 0));
  }
  painter.setPen(QPen(up ? QColor(0, 90, 0) : QColor(130, 95, 0), 1.0));
  painter.setBrush(rod);
  painter.drawRoundedRect(bar, 7, 7);

  const qreal length = 52;
  QPainterPath arrow = UpArrow(length, 22, 9);
  if (!up) arrow = QTransform::fromScale(1, -1).map(arrow);
  arrow = CentredOn(arrow, QPointF(size.width() / 2, size.height() / 2));
  DrawSoftShadow(painter, arrow, QPointF(0.8, 1.2), 1.5, 120);
  painter.setPen(QPen(up ? QColor(0, 70, 0) : QColor(110, 70, 0), 1.2, Qt::SolidLine, Qt::SquareCap,
                      Qt::MiterJoin));
  painter.setBrush(Qt::white);
  painter.drawPath(arrow);
}

}  // namespace cinta
