// SPDX-License-Identifier: MIT
// The right side: the list of previous results, the tape viewport with its scroll keys and
// operator palette, and the result box.
#include "Form1/AccessibleTape.h"
#include "Form1/Form1.h"
#include "Form1/LayoutHelpers.h"
#include "controls/ClientArea.h"

namespace cinta {

using layout::Arial;
using layout::NewButton;
using layout::NewPictureButton;

void Form1::CreateRightSide() {
  QWidget* surface = clientArea_;
  Combo1 = new ComboBox(surface, Arial(27.75));
  Combo1->Move({5760, 360, 4815, 750});
  Combo1->SetFieldText(QStringLiteral("Resultados anteriores"));
  Combo1->SetVisible(false);

  Command12 =
      NewPictureButton(surface, {10680, 360, 1455, 735}, QColor(255, 255, 255), PictureId::Eraser);
  Command12->SetVisible(false);

  Picture1 = new TapeViewport(surface, Picture2);
  ExposeRowsAsList(Picture1, accessibleTape_.get());
  Picture1->Move({5760, 1200, 5655, 6015});
  Picture1->SetBackColor(QColor(255, 255, 255));
  Picture1->setFocusPolicy(Qt::StrongFocus);
  // The rows' own focus stops: Tab enters the entry field of the row being typed.
  Picture1->SetTabField([this] { return WindowlessContainer::Hit{&Text1, currentRow}; });

  Command6.Add(
      NewPictureButton(surface, {11520, 1200, 615, 3015}, QColor(0, 255, 0), PictureId::ScrollUp));
  Command6.Add(NewPictureButton(surface, {11520, 4200, 615, 3015}, QColor(255, 255, 0),
                                PictureId::ScrollDown));

  Line1 = new LineControl(surface, 5760, 7320, 12120, 7320, QColor(0, 255, 0), 3);

  Text2 = new TextBox(surface);
  Text2->Move({5760, 7440, 5655, 645});
  Text2->SetText(QStringLiteral("0"));
  Text2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Text2->setFont(Arial(24, kBold));
  // The result is the tape's output: it can be selected and copied, never typed into, or the
  // report would total what was typed rather than the rows.
  Text2->setReadOnly(true);

  // Shown from the start with an empty caption, hidden behind Text2 until the first switch of
  // views hides it.
  Label3 = new Label(surface);
  Label3->Move({5760, 7440, 5655, 615});
  Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label3->SetBackColor(QColor(255, 192, 255));
  Label3->SetForeColor(QColor(0, 64, 0));
  Label3->setFont(Arial(24, kBold));

  Image2 = new ImageControl(surface);
  Image2->SetPicture(Picture(PictureId::About), 11520, 7440);
}

void Form1::CreatePalette() {
  // Created after the viewport's line editor, so that it lies above the rows and the editor.
  Picture4 = new PictureBox(Picture1);
  Picture4->Move({1680, 1560, 2055, 1575});
  Picture4->SetBackColor(QColor(255, 255, 0));
  Picture4->setFocusPolicy(Qt::StrongFocus);
  Picture4->SetVisible(false);
  // Four columns and three rows in index order; no face until start-up gives them pictures.
  const QColor defaultFace = palette().color(QPalette::Button);
  for (int code = 0; code < kOperatorCount; ++code) {
    Command14.Add(NewButton(Picture4, {120 + 480 * (code % 4), 120 + 480 * (code / 4), 375, 375},
                            defaultFace));
  }
}

}  // namespace cinta
