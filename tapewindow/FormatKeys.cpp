// SPDX-License-Identifier: MIT
// The format keys, which switch between the two views, and the "=" key.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressFormat(FormatMode mode) {
  const Step step(*this, StepKind::View);
  session_.Press(FormatKey(mode));
}

void TapeWindow::PressEquals() {
  const Step step(*this, StepKind::Change);
  session_.Press(Key::Equals);
}

}  // namespace cinta
