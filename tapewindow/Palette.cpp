// SPDX-License-Identifier: MIT
// The operator palette, through which a row's operator button changes that row's operator.
#include <QApplication>

#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::OpenPalette(int row) {
  operatorPalette->SetVisible(true);
  session_.OpenPalette(row);
}

void TapeWindow::PickFromPalette(OperatorCode code) {
  {
    const TapeSession::Step step(session_, StepKind::Change);
    session_.PickFromPalette(code);
  }
  ClosePalette();
}

void TapeWindow::ClosePalette() {
  // A palette key clicked or tabbed to holds the focus. Hidden with it, the focus would pass to
  // the next control in the tab order, the close key, and the space bar would then end the
  // program; it goes back to the tape instead, from where typing still reaches the keys.
  if (operatorPalette->isAncestorOf(QApplication::focusWidget())) {
    tapeView->setFocus(Qt::OtherFocusReason);
  }
  operatorPalette->SetVisible(false);
}

}  // namespace cinta
