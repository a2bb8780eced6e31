// SPDX-License-Identifier: MIT
// The right side: the list of previous results, the tape viewport with its operator palette, and
// the result box. Its keys, the palette's too, are built from their declarations.
#include "assets/Pictures.h"
#include "controls/ClientArea.h"
#include "tapewindow/AccessibleTape.h"
#include "tapewindow/KeyTable.h"
#include "tapewindow/LayoutHelpers.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

using layout::Arial;

void TapeWindow::CreateRightSide() {
  QWidget* surface = clientArea_;
  previousResults = new ComboBox(surface, Arial(27.75));
  previousResults->Move({5760, 360, 4815, 750});

  tapeView = new TapeView(surface, session_.Tape());
  ExposeRowsAsList(tapeView, accessibleTape_.get());
  tapeView->Move({5760, 1200, 5655, 6015});
  tapeView->SetBackColor(QColor(255, 255, 255));
  tapeView->setFocusPolicy(Qt::StrongFocus);

  resultRule = new LineControl(surface, 5760, 7320, 12120, 7320, QColor(0, 255, 0), 3);

  resultBox = new TextBox(surface);
  resultBox->Move({5760, 7440, 5655, 645});
  resultBox->SetText(QStringLiteral("0"));
  resultBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  resultBox->setFont(Arial(24, kBold));
  // The result is the tape's output: it can be selected and copied, never typed into, or the
  // report would total what was typed rather than the rows.
  resultBox->setReadOnly(true);

  // Shown from the start with an empty caption, hidden behind resultBox until the first switch of
  // views hides it.
  formattedResult = new Label(surface);
  formattedResult->Move({5760, 7440, 5655, 615});
  formattedResult->setAlignment(Qt::AlignRight | Qt::AlignTop);
  formattedResult->SetBackColor(QColor(255, 192, 255));
  formattedResult->SetForeColor(QColor(0, 64, 0));
  formattedResult->setFont(Arial(24, kBold));

  aboutImage = new ImageControl(surface);
  aboutImage->SetPicture(Picture(PictureId::About), 11520, 7440);
}

void TapeWindow::CreatePalette() {
  // Created after the viewport's line editor, so that it lies above the rows and the editor.
  operatorPalette = new PictureBox(tapeView);
  operatorPalette->Move({1680, 1560, 2055, 1575});
  operatorPalette->SetBackColor(QColor(255, 255, 0));
  operatorPalette->setFocusPolicy(Qt::StrongFocus);
  operatorPalette->SetVisible(false);
  for (const KeyDeclaration& declaration : KeyDeclarations()) {
    if (PaletteOperatorOf(declaration.key)) AdoptKey(declaration, operatorPalette);
  }
}

}  // namespace cinta
