// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

#include "controls/TwipsControl.h"

namespace cinta {

// A combo box with an edit field and a drop-down list, in `font`. It reports `picked` only when
// the user chooses an entry from the list (by mouse, keys, or the wheel while the box has the
// focus): typing into the field, confirming it or leaving it picks nothing, even when its text
// names an entry.
class ComboBox : public TwipsControl<QComboBox> {
  Q_OBJECT

 public:
  ComboBox(QWidget* parent, const QFont& font);

  // Sets the text of the edit field; a text wider than the field shows its beginning.
  void SetFieldText(const QString& text);

 signals:
  void picked(int index);

 protected:
  // A pick replaces the number being typed, so a wheel turned while the pointer merely passes
  // over the closed box must not make one.
  void wheelEvent(QWheelEvent* event) override;

 private:
  bool finishingEdit_ = false;
};

}  // namespace cinta
