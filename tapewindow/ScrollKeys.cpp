// SPDX-License-Identifier: MIT
// The scroll keys, which move the rows one row step at a time, without bound.
#include "tapewindow/TapeWindow.h"

namespace cinta {

// Undo puts the rows back where they stood before the change it takes back, not before a scroll:
// the steps are not kept.
void TapeWindow::PressScrollUp() {
  const TapeSession::Step step(session_, std::nullopt);
  MoveCanvasDown(RowStep());
}

void TapeWindow::PressScrollDown() {
  const TapeSession::Step step(session_, std::nullopt);
  MoveCanvasDown(-RowStep());
}

void TapeWindow::MoveCanvasDown(int twips) {
  TwipsRect canvas = tapeView->Canvas();
  canvas.top += twips;
  tapeView->MoveCanvas(canvas);
}

}  // namespace cinta
