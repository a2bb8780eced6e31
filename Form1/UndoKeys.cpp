// SPDX-License-Identifier: MIT
// Undo and redo, and the steps through which every change of the tape passes.
#include "Form1/Form1.h"

namespace cinta {

Form1::Step::Step(Form1& form, std::optional<StepKind> undoAs)
    : form_(form), undoAs_(undoAs), outermost_(!form.inStep_) {
  if (!outermost_) return;
  form_.inStep_ = true;
  form_.recorder_.Begin();
}

Form1::Step::~Step() {
  if (!outermost_) return;
  form_.inStep_ = false;
  TapeChange change = form_.recorder_.End();
  form_.journal_.Record(change, form_.tape_, form_.previousResults_);
  form_.ShowProtection();
  if (undoAs_) form_.history_.Record(std::move(change), *undoAs_);
}

void Form1::Undo() {
  const Step step(*this, std::nullopt);
  history_.Undo(tape_);
}

void Form1::Redo() {
  const Step step(*this, std::nullopt);
  history_.Redo(tape_);
}

}  // namespace cinta
