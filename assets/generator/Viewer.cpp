// SPDX-License-Identifier: MIT
#include "assets/generator/Viewer.h"

#include <QLineF>
#include <QLinearGradient>

#include "assets/generator/Drawing.h"

namespace cinta {

namespace {

const QColor kOutline(35, 35, 45);
const QColor kPrintInk(70, 70, 80);
const QColor kRuleBlue(120, 160, 230);

void DrawSheet(QPainter& painter, const QRectF& sheet) {
  painter.setPen(QPen(kOutline, 0.9));
  painter.setBrush(Qt::white);
  painter.drawRect(sheet);
}

// Lines of writing across rect, every step pixels, the last ones shorter like a paragraph end.
void DrawLines(QPainter& painter, const QRectF& rect, qreal step, const QColor& colour,
               qreal width) {
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
  int line = 0;
  for (qreal y = rect.top(); y <= rect.bottom() + 0.01; y += step, ++line) {
    const qreal length = line % 3 == 2 ? rect.width() * 0.6 : rect.width();
    painter.drawLine(QPointF(rect.left(), y), QPointF(rect.left() + length, y));
  }
}

}  // namespace

void DrawPencil(QPainter& painter, QPointF tip, QPointF end, qreal width) {
  painter.save();
  const QLineF axis(tip, end);
  painter.translate(tip);
  painter.rotate(-axis.angle());
  const qreal length = axis.length();
  const qreal half = width / 2;
  const qreal cone = width * 1.6;
  const qreal band = width * 0.5;
  const qreal rubber = width * 0.9;
  painter.setPen(QPen(kOutline, width * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // Wood cone with the lead at its point.
  QPainterPath wood;
  wood.moveTo(0, 0);
  wood.lineTo(cone, -half);
  wood.lineTo(cone, half);
  wood.closeSubpath();
  painter.setBrush(QColor(240, 205, 150));
  painter.drawPath(wood);
  QPainterPath lead;
  lead.moveTo(0, 0);
  lead.lineTo(cone * 0.38, -half * 0.38);
  lead.lineTo(cone * 0.38, half * 0.38);
  lead.closeSubpath();
  painter.setBrush(QColor(50, 50, 55));
  painter.drawPath(lead);

  QLinearGradient body(QPointF(0, -half), QPointF(0, half));
  body.setColorAt(0.0, QColor(255, 235, 90));
  body.setColorAt(1.0, QColor(215, 150, 0));
  painter.setBrush(body);
  const qreal bodyEnd = length - band - rubber;
  painter.drawRect(QRectF(cone, -half, bodyEnd - cone, width));
  painter.setBrush(QColor(185, 190, 200));
  painter.drawRect(QRectF(bodyEnd, -half, band, width));
  painter.setBrush(QColor(240, 130, 150));
  painter.drawRoundedRect(QRectF(bodyEnd + band, -half, rubber, width), width * 0.25, width * 0.25);
  painter.restore();
}

void DrawPrinter(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kPrintFace);

  // Paper waiting at the back, the body, then the printed sheet in front.
  DrawSheet(painter, QRectF(14.5, 3.5, 23, 16));
  const QRectF body(3.5, 15.5, 45, 20);
  QPainterPath bodyPath;
  bodyPath.addRoundedRect(body, 4, 4);
  DrawSoftShadow(painter, bodyPath, QPointF(0, 1.5), 2, 100);
  QLinearGradient grey(body.topLeft(), body.bottomLeft());
  grey.setColorAt(0.0, QColor(225, 228, 235));
  grey.setColorAt(1.0, QColor(120, 124, 140));
  painter.setPen(QPen(kOutline, 1.0));
  painter.setBrush(grey);
  painter.drawPath(bodyPath);
  painter.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(13, 19.5), QPointF(39, 19.5));
  painter.setPen(QPen(QColor(20, 90, 20), 0.8));
  painter.setBrush(QColor(60, 230, 60));
  painter.drawEllipse(QPointF(42.5, 22), 1.6, 1.6);

  const QRectF printed(11.5, 29.5, 29, 16);
  DrawSheet(painter, printed);
  DrawLines(painter, printed.adjusted(3.5, 3.5, -3.5, -3), 3, kPrintInk, 1.2);
  painter.setPen(QPen(QColor(25, 25, 35), 2.0, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(9, 29.5), QPointF(43, 29.5));
}

void DrawNotepad(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kEditorFace);

  const QRectF pad(7.5, 6.5, 31, 38);
  QPainterPath padPath;
  padPath.addRect(pad);
  DrawSoftShadow(painter, padPath, QPointF(1, 1.5), 2, 100);
  DrawSheet(painter, pad);
  painter.setPen(QPen(QColor(220, 60, 60), 0.9));
  painter.drawLine(QPointF(13.5, pad.top() + 5), QPointF(13.5, pad.bottom()));
  DrawLines(painter, QRectF(pad.left() + 1, pad.top() + 10, pad.width() - 2, 26), 4.2, kRuleBlue,
            1.0);
  // The binding along the top with its spiral rings.
  painter.setPen(QPen(kOutline, 0.9));
  painter.setBrush(QColor(60, 100, 200));
  painter.drawRect(QRectF(pad.left(), pad.top(), pad.width(), 5));
  painter.setPen(QPen(QColor(90, 90, 100), 1.3, Qt::SolidLine, Qt::RoundCap));
  for (qreal x = 11; x < pad.right() - 1; x += 5) {
    painter.drawLine(QPointF(x, pad.top() - 3), QPointF(x, pad.top() + 2.5));
  }
  DrawPencil(painter, QPointF(26, 37), QPointF(48, 8), 6);
}

void DrawFontSize(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kFormatFace);
  constexpr qreal kBaseline = 38;
  constexpr qreal kSpacing = 2.5;
  QPainterPath threes;
  qreal x = 0;
  for (const qreal cap : {10.0, 18.0, 28.0}) {
    const QPainterPath three = TextPath(QStringLiteral("3"), cap);
    const QRectF box = three.boundingRect();
    threes.addPath(three.translated(x - box.left(), kBaseline - box.bottom()));
    x += box.width() + kSpacing;
  }
  const QRectF box = threes.boundingRect();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(15, 25, 110));
  painter.drawPath(threes.translated((size.width() - box.width()) / 2 - box.left(), 0));
}

void DrawClipboard(QPainter& painter, QSizeF size) {
  painter.fillRect(QRectF(QPointF(0, 0), size), kClipboardFace);

  const QRectF board(3.5, 4.5, 33, 37);
  QPainterPath boardPath;
  boardPath.addRoundedRect(board, 3, 3);
  DrawSoftShadow(painter, boardPath, QPointF(0.5, 1.2), 1.6, 100);
  QLinearGradient wood(board.topLeft(), board.bottomRight());
  wood.setColorAt(0.0, QColor(205, 145, 75));
  wood.setColorAt(1.0, QColor(135, 80, 30));
  painter.setPen(QPen(kOutline, 1.0));
  painter.setBrush(wood);
  painter.drawPath(boardPath);

  const QRectF paper(7.5, 9.5, 25, 29);
  DrawSheet(painter, paper);
  DrawLines(painter, paper.adjusted(3.5, 5, -3.5, -3), 3.5, kPrintInk, 1.2);

  const QRectF clip(12.5, 1.5, 15, 8);
  QLinearGradient metal(clip.topLeft(), clip.bottomLeft());
  metal.setColorAt(0.0, QColor(245, 245, 250));
  metal.setColorAt(1.0, QColor(130, 135, 150));
  painter.setPen(QPen(kOutline, 1.0));
  painter.setBrush(metal);
  painter.drawRoundedRect(clip, 2.5, 2.5);
  painter.setBrush(QColor(135, 80, 30));
  painter.drawEllipse(QPointF(20, 4.2), 2, 1.3);
}

}  // namespace cinta
