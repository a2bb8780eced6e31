// SPDX-License-Identifier: MIT
#include "support/KeyFaces.h"

#include <QImage>
#include <QWidget>
#include <cmath>
#include <cstdlib>

#include "controls/GraphicalButton.h"

namespace cinta {
namespace {

// The bevel around every key, in pixels; the face starts inside it.
constexpr int kBevel = 2;
// JPEG pictures blur their colours a little.
constexpr int kTolerance = 12;

bool Close(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= kTolerance &&
         std::abs(a.green() - b.green()) <= kTolerance &&
         std::abs(a.blue() - b.blue()) <= kTolerance;
}

}  // namespace

PictureMargins CheckPictureMargins(QWidget* surface) {
  PictureMargins result;
  for (GraphicalButton* key : surface->findChildren<GraphicalButton*>()) {
    if (key->Picture().isNull()) continue;
    const QImage picture = key->Picture().toImage();
    const QColor corner = picture.pixelColor(0, 0);
    if (corner.alpha() == 0) continue;
    // Where the picture stands on the key, measured from the picture and the key as painted.
    const QSizeF logical = key->Picture().deviceIndependentSize();
    const int left = static_cast<int>(std::floor((key->width() - logical.width()) / 2.0));
    const int top = static_cast<int>(std::floor((key->height() - logical.height()) / 2.0));
    QPoint face;
    if (left - 1 >= kBevel) {
      face = QPoint(left - 1, key->height() / 2);
    } else if (top - 1 >= kBevel) {
      face = QPoint(key->width() / 2, top - 1);
    } else {
      continue;
    }
    const QImage painted = key->grab().toImage();
    const qreal ratio = painted.devicePixelRatio();
    const QColor shown = painted.pixelColor((QPointF(face) * ratio).toPoint());
    ++result.checked;
    if (!Close(shown, corner)) {
      result.seams << QStringLiteral("%1: face %2, picture %3")
                          .arg(key->objectName(), shown.name(), corner.name());
    }
  }
  return result;
}

}  // namespace cinta
