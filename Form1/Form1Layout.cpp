// SPDX-License-Identifier: MIT
// The right side, the palette and the bottom strip, and how the controls stack and take the focus.
#include "Form1/AccessibleTape.h"
#include "Form1/Form1.h"
#include "Form1/LayoutHelpers.h"
#include "controls/ClientArea.h"
#include "controls/RowEditor.h"

namespace cinta {
namespace {

using layout::Arial;
using layout::NewButton;
using layout::NewPictureButton;

// Image1(code): Left in twips; all at Top 7800 and the size of their pictures.
constexpr int kImage1Lefts[] = {120,  600,  960,  1320, 1680, 2040,
                                2400, 2760, 3120, 3840, 4200, 3480};

Label* NewAboutLine(QWidget* parent, int top) {
  auto* line = new Label(parent);
  line->Move({240, top, 5175, 375});
  line->SetCaption(QStringLiteral("Label5"));
  line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  line->SetTransparent();
  line->SetForeColor(QColor(255, 255, 255));
  line->setFont(Arial(12, kBold));
  return line;
}

}  // namespace

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

void Form1::CreateBottomStrip() {
  QWidget* surface = clientArea_;
  Label5.Add(NewAboutLine(surface, 7440));
  Label5.Add(NewAboutLine(surface, 7800));
  for (int code = 0; code < kOperatorCount; ++code) {
    auto* image = new ImageControl(surface);
    image->SetPicture(Picture(OperatorSmallPicture(code)), kImage1Lefts[code], 7800);
    image->SetVisible(false);
    Image1.Add(image);
  }
}

void Form1::StackSurfaceControls() {
  // Labels, images and the line are drawn on the window's surface: every key, box and picture
  // box that shares their place lies above them.
  std::vector<QWidget*> surfaceControls = {Label3, Image2, Line1, &Label5(0), &Label5(1)};
  for (int code = 0; code < Image1.Count(); ++code) surfaceControls.push_back(&Image1(code));
  for (QWidget* control : surfaceControls) control->lower();
}

void Form1::SetFocusOrder() {
  // The row editor stands in for the rows' entry fields, which follow the tape.
  std::vector<QWidget*> order = {Picture1, &Picture1->Editor()};
  for (int digit = 0; digit < Command2.Count(); ++digit) order.push_back(&Command2(digit));
  for (int code = 0; code <= 3; ++code) order.push_back(&Command3(code));
  order.insert(order.end(), {Text2, Command4, Command5, &Command6(0), &Command6(1), &Command7(0),
                             Combo1, &Command8(0), &Command8(1), Command9, Command10});
  for (int code = 4; code <= 8; ++code) order.push_back(&Command3(code));
  order.insert(order.end(), {Command11, &Command3(9), &Command3(10), &Command8(2), &Command8(3),
                             &Command3(11), Command12, &Command8(4), &Command7(1), Picture4});
  for (int code = 0; code < Command14.Count(); ++code) order.push_back(&Command14(code));
  order.push_back(Command15);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // The window opens with the focus on its first stop, so the first Tab enters the row.
  Picture1->setFocus();
}

}  // namespace cinta
