// SPDX-License-Identifier: MIT
// The operator keys, which end the current row and open the next one.
#include "Form1/Form1.h"
#include "calc/RowKeys.h"

namespace cinta {

void Form1::Command3_Click(int Index) {
  const Step step(*this, StepKind::Change);
  if (!PressOperatorKey(tape_, Index, evalRowCount)) return;
  // The rows move up by the new row's step, so it stands where the row before was entered.
  Picture2.SetHeight(Picture2.Height() + RowGrowth());
  Picture2.SetTop(Picture2.Top() - RowStep());
}

}  // namespace cinta
