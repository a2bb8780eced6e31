// SPDX-License-Identifier: MIT
// The format keys, which switch between the two views, and the "=" key.
#include "Form1/Form1.h"
#include "calc/Views.h"

namespace cinta {

void Form1::Command8_Click(int Index) {
  const Step step(*this, StepKind::View);
  PressFormatKey(tape_, Index, formatMode, currencySymbol);
}

void Form1::Command5_Click() {
  const Step step(*this, StepKind::Change);
  PressEqualsKey(tape_, evalRowCount);
}

}  // namespace cinta
