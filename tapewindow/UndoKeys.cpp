// SPDX-License-Identifier: MIT
// Undo and redo, which the session keeps.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::Undo() {
  session_.Undo();
}

void TapeWindow::Redo() {
  session_.Redo();
}

}  // namespace cinta
