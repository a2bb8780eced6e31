// SPDX-License-Identifier: MIT
// The keys that edit the current row's text: digits, decimal comma, backspace and sign; and
// typing into a row.
#include "calc/NumberKeys.h"

#include "Form1/Form1.h"

namespace cinta {

void Form1::Command2_Click(int Index) {
  const Step step(*this, StepKind::Change);
  PressDigitKey(tape_, Index, evalRowCount);
}

void Form1::Command4_Click() {
  const Step step(*this, StepKind::Change);
  PressCommaKey(tape_);
}

void Form1::Command9_Click() {
  const Step step(*this, StepKind::Change);
  PressBackspaceKey(tape_, evalRowCount);
}

void Form1::Command10_Click() {
  const Step step(*this, StepKind::Change);
  PressSignKey(tape_, evalRowCount);
}

void Form1::Text1_Change(int Index, std::string_view text) {
  // Not evaluated: the typing counts from the next key that evaluates the tape.
  const Step step(*this, StepKind::Change);
  tape_.SetOperandText(Index, text);
}

}  // namespace cinta
