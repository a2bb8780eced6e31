// SPDX-License-Identifier: MIT
// The keys that edit the current row's text: digits, decimal comma, backspace and sign; and
// typing into a row.
#include "Form1/Form1.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {
namespace {

// The length of the text without its last character. The text is UTF-8 and the user may have
// typed any character into the field: a whole character goes, never a part of one.
std::size_t WithoutLastCharacter(const std::string& text) {
  std::size_t end = text.size() - 1;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

void Form1::Command2_Click(int Index) {
  const Step step(*this, StepKind::Change);
  if (!tape_.IsEditView()) ShowEditView(tape_);
  tape_.SetOperandText(currentRow, Text1(currentRow).Text() + static_cast<char>('0' + Index));
  evalRowCount = currentRow + 1;
  RecalculateTape(tape_, evalRowCount);
}

void Form1::Command4_Click() {
  const Step step(*this, StepKind::Change);
  // The comma key writes the "." of number texts; a trailing one changes no value, so the
  // tape is not evaluated.
  const std::string& text = Text1(currentRow).Text();
  if (text.find('.') == std::string::npos) tape_.SetOperandText(currentRow, text + '.');
}

void Form1::Command9_Click() {
  const std::string& text = Text1(currentRow).Text();
  if (text.empty()) return;
  const Step step(*this, StepKind::Change);
  tape_.SetOperandText(currentRow, std::string_view(text).substr(0, WithoutLastCharacter(text)));
  evalRowCount = currentRow + 1;
  RecalculateTape(tape_, evalRowCount);
}

void Form1::Command10_Click() {
  const Step step(*this, StepKind::Change);
  // Always adds a minus sign, never removes one: pressed twice it gives --12, which reads as 0.
  tape_.SetOperandText(currentRow, '-' + Text1(currentRow).Text());
  evalRowCount = currentRow + 1;
  RecalculateTape(tape_, evalRowCount);
}

void Form1::Text1_Change(int Index, std::string_view text) {
  // Not evaluated: the typing counts from the next key that evaluates the tape.
  const Step step(*this, StepKind::Change);
  tape_.SetOperandText(Index, text);
}

}  // namespace cinta
