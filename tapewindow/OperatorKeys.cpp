// SPDX-License-Identifier: MIT
// The operator keys, which end the current row and open the next one.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressOperator(OperatorCode code) {
  const TapeSession::Step step(session_, StepKind::Change);
  if (session_.Press(OperatorKey(code))) MoveRowsUp(1);
}

void TapeWindow::MoveRowsUp(int rows) {
  rowCanvas.SetHeight(rowCanvas.Height() + rows * RowGrowth());
  rowCanvas.SetTop(rowCanvas.Top() - rows * RowStep());
}

}  // namespace cinta
