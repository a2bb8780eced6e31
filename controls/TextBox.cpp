// SPDX-License-Identifier: MIT
#include "controls/TextBox.h"

#include <limits>

namespace cinta {

TextBox::TextBox(QWidget* parent) : TwipsControl<QLineEdit>(parent) {
  // Pasted or typed text is kept whole: the tape has no length limit of its own.
  setMaxLength(std::numeric_limits<int>::max());
}

}  // namespace cinta
