// SPDX-License-Identifier: MIT
// The keys that edit the current row's text: digits, decimal comma, backspace and sign.
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
  if (!tape_.IsEditView()) ShowEditView(tape_);
  WindowlessTextBox& entry = Text1(currentRow);
  entry.SetText(entry.Text() + static_cast<char>('0' + Index));
  evalRowCount = currentRow + 1;
  RecalculateTape(tape_, evalRowCount);
}

void Form1::Command4_Click() {
  // The comma key writes the "." of number texts; a trailing one changes no value, so the
  // tape is not evaluated.
  WindowlessTextBox& entry = Text1(currentRow);
  if (entry.Text().find('.') == std::string::npos) entry.SetText(entry.Text() + '.');
}

void Form1::Command9_Click() {
  WindowlessTextBox& entry = Text1(currentRow);
  if (entry.Text().empty()) return;
  entry.SetText(std::string_view(entry.Text()).substr(0, WithoutLastCharacter(entry.Text())));
  evalRowCount = currentRow + 1;
  RecalculateTape(tape_, evalRowCount);
}

void Form1::Command10_Click() {
  // Always adds a minus sign, never removes one: pressed twice it gives --12, which reads as 0.
  WindowlessTextBox& entry = Text1(currentRow);
  entry.SetText('-' + entry.Text());
  evalRowCount = currentRow + 1;
  RecalculateTape(tape_, evalRowCount);
}

}  // namespace cinta
