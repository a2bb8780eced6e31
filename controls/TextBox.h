// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

#include "controls/TwipsControl.h"

namespace cinta {

// A one-line text box the user can type into; its text is read by the handlers as it stands.
class TextBox : public TwipsControl<QLineEdit> {
 public:
  explicit TextBox(QWidget* parent = nullptr);

  QString Text() const { return text(); }
  // A text wider than the box shows its beginning until the user scrolls it.
  void SetText(const QString& value);
};

}  // namespace cinta
