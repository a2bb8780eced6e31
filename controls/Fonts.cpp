// SPDX-License-Identifier: MIT
#include "controls/Fonts.h"

#include <QFontDatabase>

namespace cinta {

QString ResolveFontFamily(const QString& face) {
  if (QFontDatabase::hasFamily(face)) return face;
  if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  if (face.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  return face;
}

QFont ControlFont(const QString& face, double points, int weight) {
  QFont font(ResolveFontFamily(face));
  font.setPointSizeF(points);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace cinta
