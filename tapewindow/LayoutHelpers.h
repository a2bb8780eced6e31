// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include "assets/Pictures.h"
#include "controls/Fonts.h"
#include "controls/GraphicalButton.h"
#include "controls/Twips.h"

namespace cinta::layout {

// Where a table gives no font, the control uses Arial.
inline QFont Arial(double points, int weight = kNormal) {
  return ControlFont(QStringLiteral("Arial"), points, weight);
}

inline GraphicalButton* NewButton(QWidget* parent, const TwipsRect& place, const QColor& face) {
  return new GraphicalButton(parent, place, face);
}

inline GraphicalButton* NewPictureButton(QWidget* parent, const TwipsRect& place,
                                         const QColor& face, PictureId picture) {
  return new GraphicalButton(parent, place, face, Picture(picture));
}

// Every caption key of the window has a bold face.
inline GraphicalButton* NewCaptionButton(QWidget* parent, const TwipsRect& place,
                                         const QColor& face, const QString& caption,
                                         double points) {
  GraphicalButton* button = NewButton(parent, place, face);
  button->SetText(caption);
  button->setFont(Arial(points, kBold));
  return button;
}

}  // namespace cinta::layout
