// SPDX-License-Identifier: MIT
// The keys that edit the current row's text: digits, decimal comma, backspace and sign; and
// typing into a row.
#include "calc/NumberKeys.h"

#include <QApplication>

#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressDigit(int digit) {
  const Step step(*this, StepKind::Change);
  if (!PressDigitKey(tape_, digit, evaluatedRows)) QApplication::beep();
}

void TapeWindow::PressDecimal() {
  const Step step(*this, StepKind::Change);
  if (!PressCommaKey(tape_)) QApplication::beep();
}

void TapeWindow::PressBackspace() {
  const Step step(*this, StepKind::Change);
  PressBackspaceKey(tape_, evaluatedRows);
}

void TapeWindow::PressSign() {
  const Step step(*this, StepKind::Change);
  if (!PressSignKey(tape_, evaluatedRows)) QApplication::beep();
}

void TapeWindow::EditRow(int row, std::string_view text) {
  const Step step(*this, StepKind::Change);
  TypeRowText(tape_, row, text, evaluatedRows);
}

}  // namespace cinta
