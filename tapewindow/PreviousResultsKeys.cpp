// SPDX-License-Identifier: MIT
// The list of previous results and its eraser key.
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PickPreviousResult() {
  const int selected = previousResults->currentIndex();
  if (selected < 0) return;
  const TapeSession::Step step(session_, StepKind::Change);
  session_.PickPreviousResult(previousResults->itemText(selected).toStdString());
}

void TapeWindow::TypeIntoResultsField(std::string_view text) {
  // Scratch beside the tape: undo leaves it, and the recovery file keeps it.
  const TapeSession::Step step(session_, std::nullopt);
  session_.TypeIntoListField(text);
}

void TapeWindow::PressClearResults() {
  // The list is no part of the tape: undo leaves it as it is.
  const TapeSession::Step step(session_, std::nullopt);
  session_.Press(Key::ClearResults);
}

}  // namespace cinta
