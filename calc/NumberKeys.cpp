// SPDX-License-Identifier: MIT
#include "calc/NumberKeys.h"

#include <string>

#include "calc/RecalculateTape.h"
#include "calc/RowEntry.h"
#include "calc/Views.h"

namespace cinta {
namespace {

// The length of `text` without its last UTF-8 character.
std::size_t WithoutLastCharacter(const std::string& text) {
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

bool PressDigitKey(MemoryTape& tape, int digit) {
  if (digit < 0 || digit > 9) return false;
  const int row = tape.LastRow();
  const std::string text = tape.OperandText(row);
  if (text.size() >= kMaxRowTextLength) return false;
  BackToEditView(tape);
  tape.SetOperandText(row, text + static_cast<char>('0' + digit));
  EvaluateEveryRow(tape);
  return true;
}

bool PressCommaKey(MemoryTape& tape) {
  const int row = tape.LastRow();
  const std::string text = tape.OperandText(row);
  if (text.find('.') != std::string::npos) return true;
  if (text.size() >= kMaxRowTextLength) return false;
  tape.SetOperandText(row, text + '.');
  return true;
}

void PressBackspaceKey(MemoryTape& tape) {
  const int row = tape.LastRow();
  const std::string text = tape.OperandText(row);
  if (text.empty()) return;
  tape.SetOperandText(row, std::string_view(text).substr(0, WithoutLastCharacter(text)));
  EvaluateEveryRow(tape);
}

bool PressSignKey(MemoryTape& tape) {
  const int row = tape.LastRow();
  const std::string text = tape.OperandText(row);
  if (text.size() >= kMaxRowTextLength) return false;
  tape.SetOperandText(row, '-' + text);
  EvaluateEveryRow(tape);
  return true;
}

void TypeRowText(MemoryTape& tape, int row, std::string_view text) {
  tape.SetOperandText(row, text);
  EvaluateEveryRow(tape);
}

}  // namespace cinta
