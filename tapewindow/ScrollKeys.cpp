// SPDX-License-Identifier: MIT
// The scroll keys, which move the rows one row step at a time, without bound.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressScroll(int Index) {
  // Undo puts the rows back where they stood before the change it takes back, not before a
  // scroll.
  const Step step(*this, std::nullopt);
  if (Index == 1) {
    rowCanvas.SetTop(rowCanvas.Top() - RowStep());
  } else if (Index == 0) {
    rowCanvas.SetTop(rowCanvas.Top() + RowStep());
  }
}

}  // namespace cinta
