// SPDX-License-Identifier: MIT
#include "controls/Fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace cinta {

namespace {

QString LookUpFontFamily(const QString& face) {
  if (QFontDatabase::hasFamily(face)) return face;
  if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  if (face.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  return face;
}

}  // namespace

QString ResolveFontFamily(const QString& face) {
  // Asking the font system costs a fontconfig query each time, and a window asks for the same
  // two or three faces dozens of times while it is built. Fonts belong to the GUI thread, so the
  // cache needs no lock.
  static QHash<QString, QString> resolved;
  const auto known = resolved.constFind(face);
  if (known != resolved.constEnd()) return *known;
  return *resolved.insert(face, LookUpFontFamily(face));
}

QFont ControlFont(const QString& face, double points, int weight) {
  QFont font(ResolveFontFamily(face));
  font.setPointSizeF(points);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

FontSystemWarmUp::FontSystemWarmUp() : worker_([] { QFontDatabase::families(); }) {}

}  // namespace cinta
