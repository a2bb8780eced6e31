// SPDX-License-Identifier: MIT
#include "controls/TextBox.h"

#include <limits>

namespace cinta {

TextBox::TextBox(QWidget* parent) : TwipsControl<QLineEdit>(parent) {
  // Pasted or typed text is kept whole: the tape has no length limit of its own.
  setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::SetText(const QString& value) {
  setText(value);
  // Qt leaves the cursor after the text and scrolls to it, hiding the start of a long number.
  if (!hasFocus()) setCursorPosition(0);
}

}  // namespace cinta
