// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

#include "controls/TwipsControl.h"

namespace cinta {

// A combo box with an edit field and a drop-down list.
class ComboBox : public TwipsControl<QComboBox> {
 public:
  explicit ComboBox(QWidget* parent = nullptr) : TwipsControl<QComboBox>(parent) {
    setEditable(true);
    // Entries are appended by the program, never by pressing Return in the edit field.
    setInsertPolicy(QComboBox::NoInsert);
  }
};

}  // namespace cinta
