// SPDX-License-Identifier: MIT
// The list of previous results and its eraser key.
#include "Form1/Form1.h"
#include "calc/PreviousResults.h"

namespace cinta {

void Form1::Combo1_Click() {
  const int selected = Combo1->currentIndex();
  if (selected < 0) return;
  const Step step(*this, StepKind::Change);
  PickEntry(tape_, Combo1->itemText(selected).toStdString(), evalRowCount);
}

void Form1::Command12_Click() {
  // The list is no part of the tape: undo leaves it as it is.
  const Step step(*this, std::nullopt);
  EmptyList(previousResults_);
}

}  // namespace cinta
