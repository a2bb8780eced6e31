// SPDX-License-Identifier: MIT
// The format keys, which switch between the two views, and the "=" key.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressFormat(FormatMode mode) {
  const TapeSession::Step step(session_, StepKind::View);
  session_.Press(FormatKey(mode));
}

void TapeWindow::PressEquals() {
  const TapeSession::Step step(session_, StepKind::Change);
  session_.Press(Key::Equals);
}

}  // namespace cinta
