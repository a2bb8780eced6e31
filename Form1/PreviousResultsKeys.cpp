// SPDX-License-Identifier: MIT
// The list of previous results and its eraser key.
#include "Form1/Form1.h"
#include "calc/PreviousResults.h"

namespace cinta {

void Form1::Combo1_Click() {
  const int selected = Combo1->currentIndex();
  if (selected < 0) return;
  PickEntry(tape_, Combo1->itemText(selected).toStdString());
  evalRowCount = currentRow + 1;
}

void Form1::Command12_Click() {
  EmptyList(previousResults_);
}

}  // namespace cinta
