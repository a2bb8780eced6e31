// SPDX-License-Identifier: MIT
// The format keys, which switch between the two views, and the "=" key.
#include "calc/Views.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressFormat(FormatMode key) {
  const Step step(*this, StepKind::View);
  PressFormatKey(tape_, key, formatMode, currencySymbol);
}

void TapeWindow::PressEquals() {
  const Step step(*this, StepKind::Change);
  PressEqualsKey(tape_, evaluatedRows);
}

}  // namespace cinta
