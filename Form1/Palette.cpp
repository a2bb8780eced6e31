// SPDX-License-Identifier: MIT
// The operator palette, through which a row's operator button changes that row's operator.
#include <string>

#include "Form1/Form1.h"
#include "calc/RecalculateTape.h"

namespace cinta {

void Form1::Command1_Click(int Index) {
  Picture4->SetVisible(true);
  paletteRow = Index;
}

void Form1::Command14_Click(int Index) {
  if (Index < 0 || Index >= kOperatorCount) return;
  // The row was removed by a clear key while the choice was pending: no row is changed.
  if (paletteRow != kNoPaletteRow) {
    Command1(paletteRow).SetPicture(Command14(Index).Picture());
    Label4(paletteRow).SetCaption(std::to_string(Index));
    evalRowCount = currentRow + 1;
    RecalculateTape(tape_, evalRowCount);
  }
  Picture4->SetVisible(false);
}

}  // namespace cinta
