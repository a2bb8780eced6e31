// SPDX-License-Identifier: MIT
#include "calc/NumberKeys.h"

#include <string>

#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {
namespace {

// The length of `text` without its last UTF-8 character.
std::size_t WithoutLastCharacter(const std::string& text) {
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

void EvaluateEveryRow(TapeFields& tape, int& evalRowCount) {
  evalRowCount = tape.CurrentRow() + 1;
  RecalculateTape(tape, evalRowCount);
}

}  // namespace

void PressDigitKey(TapeFields& tape, int digit, int& evalRowCount) {
  if (digit < 0 || digit > 9) return;
  if (!tape.IsEditView()) ShowEditView(tape);
  const int row = tape.CurrentRow();
  tape.SetOperandText(row, tape.OperandText(row) + static_cast<char>('0' + digit));
  EvaluateEveryRow(tape, evalRowCount);
}

void PressCommaKey(TapeFields& tape) {
  const int row = tape.CurrentRow();
  const std::string text = tape.OperandText(row);
  if (text.find('.') == std::string::npos) tape.SetOperandText(row, text + '.');
}

void PressBackspaceKey(TapeFields& tape, int& evalRowCount) {
  const int row = tape.CurrentRow();
  const std::string text = tape.OperandText(row);
  if (text.empty()) return;
  tape.SetOperandText(row, std::string_view(text).substr(0, WithoutLastCharacter(text)));
  EvaluateEveryRow(tape, evalRowCount);
}

void PressSignKey(TapeFields& tape, int& evalRowCount) {
  const int row = tape.CurrentRow();
  tape.SetOperandText(row, '-' + tape.OperandText(row));
  EvaluateEveryRow(tape, evalRowCount);
}

}  // namespace cinta
