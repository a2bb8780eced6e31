// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

namespace cinta {

// What a screen reader says for a control: its name, then what it does. Keys whose faces are
// pictures have no caption to read, so every key gets both.
inline void NameForAssistiveTechnology(QWidget* control, const char* name,
                                       const char* description) {
  control->setAccessibleName(QString::fromUtf8(name));
  control->setAccessibleDescription(QString::fromUtf8(description));
}

}  // namespace cinta
