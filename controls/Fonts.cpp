// SPDX-License-Identifier: MIT
#include "controls/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace cinta {

namespace {

// The faces to try for a face name, best first.
QStringList FacesFor(const QString& face) {
  if (face.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
    return {face, QStringLiteral("Liberation Sans")};
  if (face.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
    return {face, QStringLiteral("Liberation Mono")};
  return {face};
}

}  // namespace

QFont ControlFont(const QString& face, double points, int weight) {
  // A list of faces instead of asking the font system which one exists: the font is resolved
  // when text is first measured or drawn, so building a window never waits for the font system's
  // list of faces, which loads on another thread meanwhile.
  QFont font;
  font.setFamilies(FacesFor(face));
  font.setPointSizeF(points);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

FontSystemWarmUp::FontSystemWarmUp() : worker_([] { QFontDatabase::families(); }) {}

}  // namespace cinta
