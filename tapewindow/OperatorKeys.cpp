// SPDX-License-Identifier: MIT
// The operator keys, which end the current row and open the next one.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressOperator(OperatorCode code) {
  const TapeSession::Step step(session_, StepKind::Change);
  if (!session_.Press(OperatorKey(code))) return;
  // The rows move up by the new row's step, so it stands where the row before was entered.
  rowCanvas.SetHeight(rowCanvas.Height() + RowGrowth());
  rowCanvas.SetTop(rowCanvas.Top() - RowStep());
}

}  // namespace cinta
