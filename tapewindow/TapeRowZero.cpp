// SPDX-License-Identifier: MIT
// The tape rowCanvas and its row 0, the design-time members of the row arrays.
#include "tapewindow/LayoutHelpers.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

using layout::Arial;

void TapeWindow::CreateTape() {
  rowCanvas.Move({0, kContainerStartTop, 5655, 6375});
  rowCanvas.SetBackColor(QColor(255, 192, 255));

  WindowlessLabel rowNumber({240, 5760, 375, 375}, Arial(14.25, kBold), Qt::AlignHCenter);
  rowNumber.SetText("1");
  rowNumber.SetShrinkToFit(true);
  rowNumber.SetVisible(false);
  rowNumbers.Add(rowNumber);

  WindowlessButton operatorButton({720, 5520, 615, 615}, QColor(255, 255, 255));
  operatorButton.SetPicture(operatorLegend(0).Picture());
  operatorButton.SetVisible(false);
  rowOperatorButtons.Add(operatorButton);

  WindowlessLabel formatted({1320, 5520, 4095, 615}, Arial(21.75), Qt::AlignRight);
  formatted.SetBackColor(QColor(192, 255, 192));
  formatted.SetForeColor(QColor(0, 0, 192));
  formatted.SetVisible(false);
  rowValues.Add(formatted);

  rowEntries.Add(WindowlessTextBox({1440, 5550, 3975, 585}, Arial(21.75, kBold), Qt::AlignRight));

  // Labels lie on the container's surface, below the button and the entry field.
  for (WindowlessLayer* layer : std::initializer_list<WindowlessLayer*>{
           &rowValues, &rowNumbers, &rowOperatorButtons, &rowEntries}) {
    rowCanvas.AddLayer(*layer);
  }
}

}  // namespace cinta
