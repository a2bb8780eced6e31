// SPDX-License-Identifier: MIT
// The keys that edit the current row's text: digits, decimal comma, backspace and sign; and
// typing into a row.
#include <QApplication>

#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::PressDigit(int digit) {
  const TapeSession::Step step(session_, StepKind::Change);
  if (!session_.Press(DigitKey(digit))) QApplication::beep();
}

void TapeWindow::PressDecimal() {
  const TapeSession::Step step(session_, StepKind::Change);
  if (!session_.Press(Key::Decimal)) QApplication::beep();
}

void TapeWindow::PressBackspace() {
  const TapeSession::Step step(session_, StepKind::Change);
  session_.Press(Key::Backspace);
}

void TapeWindow::PressSign() {
  const TapeSession::Step step(session_, StepKind::Change);
  if (!session_.Press(Key::Sign)) QApplication::beep();
}

void TapeWindow::EditRow(int row, std::string_view text) {
  const TapeSession::Step step(session_, StepKind::Change);
  session_.EditRow(row, text);
}

}  // namespace cinta
