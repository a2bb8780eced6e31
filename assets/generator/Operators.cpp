// SPDX-License-Identifier: MIT
#include "assets/generator/Operators.h"

#include <QList>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "assets/generator/Drawing.h"

namespace cinta {

namespace {

// One size for every face of a set, so that the symbols look alike on keys of equal size
// although their pictures differ by a few pixels. Bars and dots are whole pixels, so that the
// straight edges of plus, minus and division signs land on pixel borders.
struct SymbolMetrics {
  qreal capHeight;
  qreal stroke;
  qreal dot;
  qreal gap;
  qreal margin;
};

constexpr SymbolMetrics kKeyMetrics{26, 4, 6, 3, 3};
constexpr SymbolMetrics kSmallMetrics{15, 2, 3, 2, 1};

using Parts = QList<QPainterPath>;

QRectF Bounds(const Parts& parts) {
  QRectF bounds;
  for (const QPainterPath& part : parts) bounds = bounds.united(part.boundingRect());
  return bounds;
}

Parts Translated(const Parts& parts, QPointF offset) {
  Parts moved;
  for (const QPainterPath& part : parts) moved.append(part.translated(offset));
  return moved;
}

// Places the left edge of parts at x and their vertical middle on y = 0.
Parts PlacedAt(const Parts& parts, qreal x) {
  const QRectF bounds = Bounds(parts);
  return Translated(parts, QPointF(x - bounds.left(), -bounds.center().y()));
}

QPainterPath Rect(qreal x, qreal y, qreal width, qreal height) {
  QPainterPath path;
  path.addRect(x, y, width, height);
  return path;
}

// An even bar length keeps a centred bar of even thickness on whole pixels, and odd with odd.
qreal BarLength(const SymbolMetrics& m) {
  const int length = static_cast<int>(std::lround(m.capHeight));
  return (length - static_cast<int>(m.stroke)) % 2 == 0 ? length : length - 1;
}

Parts Plus(const SymbolMetrics& m) {
  const qreal length = BarLength(m);
  const qreal offset = (length - m.stroke) / 2;
  return {Rect(0, offset, length, m.stroke), Rect(offset, 0, m.stroke, length)};
}

Parts Minus(const SymbolMetrics& m) {
  return {Rect(0, 0, BarLength(m), m.stroke)};
}

Parts Divide(const SymbolMetrics& m, qreal length) {
  const qreal dotLeft = (length - m.dot) / 2;
  QPainterPath top;
  top.addEllipse(QRectF(dotLeft, 0, m.dot, m.dot));
  const qreal barTop = m.dot + m.gap;
  QPainterPath bottom;
  bottom.addEllipse(QRectF(dotLeft, barTop + m.stroke + m.gap, m.dot, m.dot));
  return {top, Rect(0, barTop, length, m.stroke), bottom};
}

Parts Text(const QString& text, qreal capHeight) {
  return {TextPath(text, capHeight)};
}

// Text scaled so that its ink is height tall: lower-case letters have no common cap height.
QPainterPath InkOfHeight(const QString& text, qreal height) {
  const QPainterPath path = TextPath(text, height);
  const qreal scale = height / path.boundingRect().height();
  return QTransform::fromScale(scale, scale).map(path);
}

// Parts set side by side, each centred on the same middle line.
Parts Row(const QList<Parts>& pieces, qreal spacing) {
  Parts row;
  qreal x = 0;
  for (const Parts& piece : pieces) {
    row.append(PlacedAt(piece, x));
    x = Bounds(row).right() + spacing;
  }
  return row;
}

Parts Power(const SymbolMetrics& m) {
  const qreal base = m.capHeight * 0.9;
  Parts parts = Text(QStringLiteral("X"), base);
  const QRectF x = Bounds(parts);
  const QPainterPath exponent = InkOfHeight(QStringLiteral("y"), base * 0.62);
  const QRectF y = exponent.boundingRect();
  parts.append(exponent.translated(x.right() + m.capHeight * 0.06 - y.left(),
                                   x.top() - base * 0.22 - y.top()));
  return parts;
}

// A root sign with index (a digit or a letter) in the crook above its tick.
Parts Radical(const SymbolMetrics& m, const QString& index) {
  const qreal e = m.capHeight;
  QPainterPath sign;
  sign.moveTo(0.02 * e, 0.62 * e);
  sign.lineTo(0.2 * e, 0.52 * e);
  sign.lineTo(0.44 * e, 1.1 * e);
  sign.lineTo(0.76 * e, 0.0);
  sign.lineTo(1.38 * e, 0.0);
  // A thinner line than the bars, but never under two pixels, or the small face fades.
  const qreal stroke = std::max<qreal>(2, m.stroke * 0.85);
  Parts parts{StrokeOutline(sign, stroke, Qt::FlatCap, Qt::MiterJoin)};
  const QPainterPath label = InkOfHeight(index, e * 0.46);
  const QRectF box = label.boundingRect();
  parts.append(label.translated(0.26 * e - box.right(), 0.34 * e - box.bottom()));
  return parts;
}

Parts Reciprocal(const SymbolMetrics& m) {
  const qreal e = m.capHeight;
  const QPainterPath one = TextPath(QStringLiteral("1"), e * 0.62);
  const QPainterPath x = InkOfHeight(QStringLiteral("x"), e * 0.5);
  const qreal bar = std::round(e * 0.8);
  const qreal barStroke = std::max<qreal>(2, std::round(m.stroke * 0.75));
  Parts parts{Rect(0, 0, bar, barStroke)};
  const qreal gap = m.gap;
  const QRectF oneBox = one.boundingRect();
  parts.append(one.translated(bar / 2 - oneBox.center().x(), -gap - oneBox.bottom()));
  const QRectF xBox = x.boundingRect();
  parts.append(x.translated(bar / 2 - xBox.center().x(), barStroke + gap - xBox.top()));
  return parts;
}

Parts LetterAndDivide(const SymbolMetrics& m, const QString& letter) {
  const Parts sign = Divide(m, std::round(m.capHeight * 0.72));
  return Row({Text(letter, m.capHeight), sign}, m.capHeight * 0.1);
}

Parts Symbol(int code, const SymbolMetrics& m) {
  switch (code) {
    case 0:
      return Plus(m);
    case 1:
      return Minus(m);
    case 2:
      return Text(QStringLiteral("X"), m.capHeight);
    case 3:
      return Divide(m, BarLength(m));
    case 4:
      return Power(m);
    case 5:
      return Text(QStringLiteral("%"), m.capHeight);
    case 6:
      return Radical(m, QStringLiteral("2"));
    case 7:
      return Reciprocal(m);
    case 8:
      return Radical(m, QStringLiteral("x"));
    case 9:
      return LetterAndDivide(m, QStringLiteral("R"));
    case 10:
      return LetterAndDivide(m, QStringLiteral("E"));
    default:
      return Row({Text(QStringLiteral("X"), m.capHeight), Text(QStringLiteral("!"), m.capHeight)},
                 m.capHeight * 0.06);
  }
}

}  // namespace

void DrawOperatorFace(QPainter& painter, QSizeF size, int code, OperatorFaceSize faceSize) {
  const SymbolMetrics& m = faceSize == OperatorFaceSize::Key ? kKeyMetrics : kSmallMetrics;
  painter.fillRect(QRectF(QPointF(0, 0), size), kWhiteFace);

  Parts parts = Symbol(code, m);
  QRectF bounds = Bounds(parts);
  // A wide symbol on a narrow face shrinks to fit rather than touch the edge.
  const qreal fit = std::min({1.0, (size.width() - 2 * m.margin) / bounds.width(),
                              (size.height() - 2 * m.margin) / bounds.height()});
  if (fit < 1.0) {
    Parts scaled;
    for (const QPainterPath& part : parts) {
      scaled.append(QTransform::fromScale(fit, fit).map(part));
    }
    parts = scaled;
    bounds = Bounds(parts);
  }
  // Whole-pixel top-left corner, so that bars built from whole pixels stay sharp.
  const QPointF topLeft(std::round((size.width() - bounds.width()) / 2),
                        std::round((size.height() - bounds.height()) / 2));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  for (const QPainterPath& part : Translated(parts, topLeft - bounds.topLeft())) {
    painter.drawPath(part);
  }
}

}  // namespace cinta
