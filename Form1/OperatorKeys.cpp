// SPDX-License-Identifier: MIT
// The operator keys, which end the current row and open the next one.
#include <string>

#include "Form1/Form1.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {
namespace {

// Rows are numbered 0 to 32767; the last one can have no successor.
constexpr int kLastRow = 32767;

}  // namespace

void Form1::Command3_Click(int Index) {
  if (Index < 0 || Index >= kOperatorCount || currentRow >= kLastRow) return;
  const Step step(*this, StepKind::Change);
  if (!tape_.IsEditView()) ShowEditView(tape_);

  tape_.AppendRow();
  const int n = currentRow;
  // The code and, with it, the face of the row's operator button.
  tape_.SetOperatorCode(n, std::to_string(Index));

  evalRowCount = n;
  Picture2.SetHeight(Picture2.Height() + RowGrowth());
  Picture2.SetTop(Picture2.Top() - RowStep());
  // Unary operators act on the running total and need no number: their row counts at once.
  if (IsUnary(static_cast<OperatorCode>(Index))) evalRowCount = n + 1;
  RecalculateTape(tape_, evalRowCount);
}

void Form1::LoadRow() {
  ++currentRow;
  const int n = currentRow;
  WindowlessButton& button = Command1.Load();
  WindowlessTextBox& entry = Text1.Load();
  WindowlessLabel& formatted = Label2.Load();
  WindowlessLabel& number = Label1.Load();
  WindowlessLabel& code = Label4.Load();

  const int top = Command1(n - 1).Top() + Command1(n - 1).Height() + kRowGap;
  button.SetTop(top);
  entry.SetTop(top);
  formatted.SetTop(top);
  number.SetTop(top);
  code.SetTop(top);

  number.SetCaption(std::to_string(n));
  entry.SetText("");
  // Operator keys make rows in the edit view; undo brings rows back into either view.
  const bool editView = Text1(0).Visible();
  button.SetVisible(true);
  entry.SetVisible(editView);
  formatted.SetVisible(!editView);
  number.SetVisible(true);
}

}  // namespace cinta
