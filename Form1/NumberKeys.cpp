// SPDX-License-Identifier: MIT
// The keys that edit the current row's text: digits, decimal comma, backspace and sign; and
// typing into a row.
#include "calc/NumberKeys.h"

#include <QApplication>

#include "Form1/Form1.h"

namespace cinta {

void Form1::Command2_Click(int Index) {
  const Step step(*this, StepKind::Change);
  if (!PressDigitKey(tape_, Index, evalRowCount)) QApplication::beep();
}

void Form1::Command4_Click() {
  const Step step(*this, StepKind::Change);
  if (!PressCommaKey(tape_)) QApplication::beep();
}

void Form1::Command9_Click() {
  const Step step(*this, StepKind::Change);
  PressBackspaceKey(tape_, evalRowCount);
}

void Form1::Command10_Click() {
  const Step step(*this, StepKind::Change);
  if (!PressSignKey(tape_, evalRowCount)) QApplication::beep();
}

void Form1::Text1_Change(int Index, std::string_view text) {
  const Step step(*this, StepKind::Change);
  TypeRowText(tape_, Index, text, evalRowCount);
}

}  // namespace cinta
