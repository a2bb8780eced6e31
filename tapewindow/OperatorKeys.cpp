// SPDX-License-Identifier: MIT
// The operator keys, which end the current row and open the next one.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressOperator(OperatorCode code) {
  const TapeSession::Step step(session_, StepKind::Change);
  if (session_.Press(OperatorKey(code))) MoveRowsUp(1);
}

void TapeWindow::MoveRowsUp(int rows) {
  TwipsRect canvas = tapeView->Canvas();
  canvas.height += rows * RowGrowth();
  canvas.top -= rows * RowStep();
  tapeView->MoveCanvas(canvas);
}

}  // namespace cinta
