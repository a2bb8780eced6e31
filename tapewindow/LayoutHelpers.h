// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "controls/Fonts.h"

namespace cinta::layout {

// Where a table gives no font, the control uses Arial.
inline QFont Arial(double points, int weight = kNormal) {
  return ControlFont(QStringLiteral("Arial"), points, weight);
}

}  // namespace cinta::layout
