// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "controls/ControlArray.h"

namespace cinta {

// Names a control by its role in the window, the name a failing test and an accessibility tree
// show for it.
inline void NameByRole(QObject* control, const char* role) {
  control->setObjectName(QLatin1String(role));
}

// Names each member of a key array by its role and its index: "digitKeys[7]".
template <class T>
void NameByRole(const ControlArray<T>& keys, const char* role) {
  for (int index = 0; index < keys.Count(); ++index) {
    keys(index).setObjectName(QStringLiteral("%1[%2]").arg(QLatin1String(role)).arg(index));
  }
}

}  // namespace cinta
