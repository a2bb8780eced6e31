// SPDX-License-Identifier: MIT
// Undo and redo, and the steps through which every change of the tape passes.
#include "tapewindow/TapeWindow.h"

namespace cinta {

TapeWindow::Step::Step(TapeWindow& form, std::optional<StepKind> undoAs)
    : form_(form), undoAs_(undoAs), outermost_(!form.inStep_) {
  if (!outermost_) return;
  form_.inStep_ = true;
  form_.recorder_.Begin();
}

TapeWindow::Step::~Step() {
  if (!outermost_) return;
  form_.inStep_ = false;
  TapeChange change = form_.recorder_.End();
  form_.journal_.Record(change, form_.tape_, form_.previousResults_);
  form_.ShowProtection();
  if (undoAs_) form_.history_.Record(std::move(change), *undoAs_);
}

void TapeWindow::Undo() {
  const Step step(*this, std::nullopt);
  history_.Undo(tape_);
}

void TapeWindow::Redo() {
  const Step step(*this, std::nullopt);
  history_.Redo(tape_);
}

}  // namespace cinta
