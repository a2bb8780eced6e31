// SPDX-License-Identifier: MIT
#include "assets/generator/Drawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

namespace cinta {

namespace {

// Set large, then scaled: QFont takes whole pixel sizes only.
QPainterPath DesignSizePath(const QString& text) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(200);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(QPointF(0, 0), font, text);
  return path;
}

}  // namespace

QPainterPath TextPath(const QString& text, qreal capHeight) {
  static const qreal designCapHeight = DesignSizePath(QStringLiteral("H")).boundingRect().height();
  const qreal scale = capHeight / designCapHeight;
  return QTransform::fromScale(scale, scale).map(DesignSizePath(text));
}

QPainterPath CentredOn(const QPainterPath& path, QPointF centre) {
  return path.translated(centre - path.boundingRect().center());
}

QPainterPath StrokeOutline(const QPainterPath& path, qreal width, Qt::PenCapStyle cap,
                           Qt::PenJoinStyle join) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(cap);
  stroker.setJoinStyle(join);
  stroker.setMiterLimit(3.0);
  return stroker.createStroke(path).simplified();
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, qreal spread,
                    int alpha) {
  constexpr int kLayers = 6;
  painter.save();
  painter.setPen(Qt::NoPen);
  for (int layer = kLayers; layer >= 1; --layer) {
    const qreal width = spread * layer / kLayers;
    QPainterPath grown = shape.translated(offset);
    grown = grown.united(StrokeOutline(grown, width * 2, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0, 0, 0, alpha / kLayers));
    painter.drawPath(grown);
  }
  painter.restore();
}

void DrawGloss(QPainter& painter, const QRectF& shape, qreal cornerRadius, int alpha) {
  QLinearGradient gloss(shape.topLeft(), shape.bottomLeft());
  gloss.setColorAt(0.0, QColor(255, 255, 255, alpha));
  gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(gloss);
  painter.drawRoundedRect(shape, cornerRadius, cornerRadius);
  painter.restore();
}

}  // namespace cinta
