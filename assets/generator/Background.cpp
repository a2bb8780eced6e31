// SPDX-License-Identifier: MIT
#include "assets/generator/Background.h"

#include <QImage>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/generator/Drawing.h"

namespace cinta {

namespace {

// The swirl turns around the middle of the visible part of the window (816 x 545 pixels).
constexpr QPointF kSwirlCentre(408, 272);
// Where the about picture lies on the window: Left 11520, Top 7440 twips.
constexpr QPointF kAboutPosition(768, 496);
constexpr qreal kSpiralPitch = 230;  // pixels outwards per turn of the rainbow
constexpr int kBandsPerTurn = 7;     // brighter ribbons within one turn

QRgb SwirlColour(qreal x, qreal y) {
  constexpr qreal kTau = 2 * std::numbers::pi;
  const qreal dx = x - kSwirlCentre.x();
  const qreal dy = y - kSwirlCentre.y();
  const qreal angle = std::atan2(dy, dx);
  qreal radius = std::hypot(dx, dy);
  // A gentle wobble keeps the arms from looking ruled.
  radius += 14 * std::sin(3 * angle + radius / 60);
  const qreal turn = angle / kTau + radius / kSpiralPitch;
  const qreal hue = turn - std::floor(turn);
  const qreal ribbon = 0.5 + 0.5 * std::cos(kTau * kBandsPerTurn * turn);
  // Bands blur into a soft light centre, where they would crowd into noise.
  const qreal centreFade = std::exp(-radius * radius / (2 * 45.0 * 45.0));
  const qreal saturation = (0.5 + 0.25 * ribbon) * (1 - centreFade);
  const qreal value = 0.86 + 0.12 * ribbon + 0.02 * centreFade;
  return QColor::fromHsvF(static_cast<float>(hue), static_cast<float>(saturation),
                          static_cast<float>(std::min<qreal>(value, 1.0)))
      .rgb();
}

// Paints the swirl's region (in window pixels) over the painter's logical rectangle
// (0, 0, region size), computing every device pixel from 2 x 2 samples.
void PaintSwirl(QPainter& painter, const QRectF& region) {
  const qreal scale = painter.deviceTransform().m11();
  QImage image(static_cast<int>(std::lround(region.width() * scale)),
               static_cast<int>(std::lround(region.height() * scale)), QImage::Format_RGB32);
  constexpr int kSamples = 2;
  for (int row = 0; row < image.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < image.width(); ++column) {
      int red = 0;
      int green = 0;
      int blue = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const QRgb sample = SwirlColour(region.left() + (column + (sx + 0.5) / kSamples) / scale,
                                          region.top() + (row + (sy + 0.5) / kSamples) / scale);
          red += qRed(sample);
          green += qGreen(sample);
          blue += qBlue(sample);
        }
      }
      constexpr int kCount = kSamples * kSamples;
      line[column] = qRgb(red / kCount, green / kCount, blue / kCount);
    }
  }
  painter.drawImage(QRectF(QPointF(0, 0), region.size()), image);
}

}  // namespace

void DrawBackground(QPainter& painter, QSizeF size) {
  PaintSwirl(painter, QRectF(QPointF(0, 0), size));
}

void DrawAbout(QPainter& painter, QSizeF size) {
  PaintSwirl(painter, QRectF(kAboutPosition, size));

  const QPointF centre(size.width() / 2, size.height() / 2 - 0.5);
  const qreal radius = std::min(size.width(), size.height()) / 2 - 2;
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);
  DrawSoftShadow(painter, disc, QPointF(0, 1), 1.5, 120);

  QRadialGradient blue(centre + QPointF(-0.3 * radius, -0.4 * radius), 1.3 * radius);
  blue.setColorAt(0.0, QColor(90, 150, 255));
  blue.setColorAt(0.6, QColor(20, 70, 210));
  blue.setColorAt(1.0, QColor(10, 30, 130));
  painter.setPen(QPen(QColor(5, 20, 90), 1.0));
  painter.setBrush(blue);
  painter.drawEllipse(centre, radius - 0.5, radius - 0.5);

  const qreal ringRadius = radius * 0.68;
  painter.setPen(QPen(Qt::white, radius * 0.13));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, ringRadius, ringRadius);

  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(CentredOn(TextPath(QStringLiteral("C"), radius * 0.78), centre));
}

}  // namespace cinta
