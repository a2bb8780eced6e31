// SPDX-License-Identifier: MIT
// The operator palette, through which a row's operator button changes that row's operator.
#include <QApplication>

#include "Form1/Form1.h"
#include "calc/RowKeys.h"

namespace cinta {

void Form1::Command1_Click(int Index) {
  Picture4->SetVisible(true);
  paletteRow = Index;
}

void Form1::Command14_Click(int Index) {
  {
    const Step step(*this, StepKind::Change);
    // After a clear key removed the row while the choice was pending, paletteRow names no row
    // and nothing changes.
    PressPaletteKey(tape_, paletteRow, Index, evalRowCount);
  }
  ClosePalette();
}

void Form1::ClosePalette() {
  // A palette key clicked or tabbed to holds the focus. Hidden with it, the focus would pass to
  // the next control in the tab order, the close key, and the space bar would then end the
  // program; it goes back to the tape instead, from where typing still reaches the keys.
  if (Picture4->isAncestorOf(QApplication::focusWidget())) {
    Picture1->setFocus(Qt::OtherFocusReason);
  }
  Picture4->SetVisible(false);
}

}  // namespace cinta
