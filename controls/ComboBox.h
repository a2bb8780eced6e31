// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

#include "controls/TwipsControl.h"

namespace cinta {

// A combo box with an edit field and a drop-down list, in `font`.
class ComboBox : public TwipsControl<QComboBox> {
 public:
  explicit ComboBox(QWidget* parent, const QFont& font) : TwipsControl<QComboBox>(parent) {
    // The font first: the edit field lays its text out as soon as it exists, and laying it out
    // in the default font first would load a face this box never shows.
    setFont(font);
    setEditable(true);
    // Entries are appended by the program, never by pressing Return in the edit field.
    setInsertPolicy(QComboBox::NoInsert);
  }
};

}  // namespace cinta
