// SPDX-License-Identifier: MIT
// How the controls stack and the order in which Tab visits them.
#include "controls/RowEditor.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::StackSurfaceControls() {
  // Labels, images and the line are drawn on the window's surface: every key, box and picture
  // box that shares their place lies above them.
  std::vector<QWidget*> surfaceControls = {formattedResult, aboutImage, resultRule, &aboutLines(0),
                                           &aboutLines(1)};
  for (int code = 0; code < operatorLegend.Count(); ++code)
    surfaceControls.push_back(&operatorLegend(code));
  for (QWidget* control : surfaceControls) control->lower();
}

void TapeWindow::SetFocusOrder() {
  // The row editor stands in for the rows' entry fields, which follow the tape.
  std::vector<QWidget*> order = {tapeView, &tapeView->Editor()};
  for (int digit = 0; digit < digitKeys.Count(); ++digit) order.push_back(&digitKeys(digit));
  for (int code = 0; code <= 3; ++code) order.push_back(&operatorKeys(code));
  order.insert(order.end(),
               {resultBox, decimalKey, equalsKey, &scrollKeys(0), &scrollKeys(1), &clearKeys(0),
                previousResults, &formatKeys(0), &formatKeys(1), backspaceKey, signKey});
  for (int code = 4; code <= 8; ++code) order.push_back(&operatorKeys(code));
  order.insert(order.end(), {saveKey, &operatorKeys(9), &operatorKeys(10), &formatKeys(2),
                             &formatKeys(3), &operatorKeys(11), clearResultsKey, &formatKeys(4),
                             &clearKeys(1), operatorPalette});
  for (int code = 0; code < paletteKeys.Count(); ++code) order.push_back(&paletteKeys(code));
  order.push_back(quitKey);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  // The window opens with the focus on its first stop, so the first Tab enters the row.
  tapeView->setFocus();
}

}  // namespace cinta
