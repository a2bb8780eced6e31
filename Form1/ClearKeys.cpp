// SPDX-License-Identifier: MIT
// The clear key C, which files the result and starts a new tape, and CE, which removes the last
// row.
#include "Form1/Form1.h"
#include "calc/PreviousResults.h"
#include "calc/RecalculateTape.h"

namespace cinta {
namespace {

// How much taller than the viewport the container is with row 0 alone.
constexpr int kContainerExtraHeight = 400;

}  // namespace

void Form1::Command7_Click(int Index) {
  const Step step(*this, StepKind::Change);
  if (Index == 0) {
    StoreResult(previousResults_, tape_);
    Picture2.SetLeft(kContainerStartLeft);
    // Removes rows 1 to currentRow, which becomes 0.
    tape_.RemoveRowsFrom(1);
    tape_.SetOperandText(0, "");
    tape_.SetResultText("0");
    Picture2.SetHeight(Picture1->Height() + kContainerExtraHeight);
    tape_.SetOperatorCode(0, "0");
    Picture2.SetTop(kContainerStartTop);
  } else if (Index == 1) {
    if (currentRow != 0) {
      // Removes the last row; the row before becomes current.
      tape_.RemoveRowsFrom(currentRow);
      Picture2.SetHeight(Picture2.Height() - RowGrowth());
      // Back by the step the row's operator key moved it, so the new last row stays where rows
      // are entered and the user can go on typing into it in view.
      Picture2.SetTop(Picture2.Top() + RowStep());
    } else {
      tape_.SetOperandText(0, "");
    }
    evalRowCount = currentRow + 1;
    RecalculateTape(tape_, evalRowCount);
  }
}

void Form1::RemoveRowsFrom(int first) {
  Text1.UnloadFrom(first);
  Label2.UnloadFrom(first);
  Label4.UnloadFrom(first);
  Command1.UnloadFrom(first);
  Label1.UnloadFrom(first);
  // A palette opened for a removed row has no row left to change.
  if (paletteRow >= first) paletteRow = kNoPaletteRow;
}

}  // namespace cinta
