// SPDX-License-Identifier: MIT
// The tape Picture2 and its row 0, the design-time members of the row arrays.
#include "Form1/Form1.h"
#include "Form1/LayoutHelpers.h"

namespace cinta {

using layout::Arial;

void Form1::CreateTape() {
  Picture2.Move({0, kContainerStartTop, 5655, 6375});
  Picture2.SetBackColor(QColor(255, 192, 255));

  WindowlessLabel rowNumber({240, 5760, 375, 375}, Arial(14.25, kBold), Qt::AlignHCenter);
  rowNumber.SetCaption("1");
  rowNumber.SetShrinkToFit(true);
  rowNumber.SetVisible(false);
  Label1.Add(rowNumber);

  WindowlessLabel code({480, 5760, 375, 375}, Arial(8.25), Qt::AlignLeft);
  code.SetCaption("Label4");
  code.SetBackColor(palette().color(QPalette::Button));
  code.SetVisible(false);
  Label4.Add(code);

  WindowlessButton operatorButton({720, 5520, 615, 615}, QColor(255, 255, 255));
  operatorButton.SetPicture(Image1(0).Picture());
  operatorButton.SetVisible(false);
  Command1.Add(operatorButton);

  WindowlessLabel formatted({1320, 5520, 4095, 615}, Arial(21.75), Qt::AlignRight);
  formatted.SetCaption("Label2");
  formatted.SetBackColor(QColor(192, 255, 192));
  formatted.SetForeColor(QColor(0, 0, 192));
  formatted.SetVisible(false);
  Label2.Add(formatted);

  Text1.Add(WindowlessTextBox({1440, 5550, 3975, 585}, Arial(21.75, kBold), Qt::AlignRight));

  // Labels lie on the container's surface, below the button and the entry field.
  for (WindowlessLayer* layer :
       std::initializer_list<WindowlessLayer*>{&Label4, &Label2, &Label1, &Command1, &Text1}) {
    Picture2.AddLayer(*layer);
  }
}

}  // namespace cinta
