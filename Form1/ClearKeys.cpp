// SPDX-License-Identifier: MIT
// The clear key C, which files the result and starts a new tape, and CE, which removes the last
// row.
#include "calc/ClearKeys.h"

#include "Form1/Form1.h"

namespace cinta {
namespace {

// How much taller than the viewport C makes the container. It starts 360 taller, so after C it
// is 40 twips taller than at start-up; placed at its start position it covers the viewport either
// way, so the difference never shows.
constexpr int kContainerExtraHeight = 400;

}  // namespace

void Form1::Command7_Click(int Index) {
  const Step step(*this, StepKind::Change);
  if (Index == 0) {
    PressClearKey(tape_, previousResults_);
    Picture2.SetLeft(kContainerStartLeft);
    Picture2.SetHeight(Picture1->Height() + kContainerExtraHeight);
    Picture2.SetTop(kContainerStartTop);
  } else if (Index == 1 && PressClearEntryKey(tape_, evalRowCount)) {
    Picture2.SetHeight(Picture2.Height() - RowGrowth());
    // Back by the step the row's operator key moved it, so the new last row stays where rows
    // are entered and the user can go on typing into it in view.
    Picture2.SetTop(Picture2.Top() + RowStep());
  }
}

}  // namespace cinta
