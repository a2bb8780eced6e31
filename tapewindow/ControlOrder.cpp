// SPDX-License-Identifier: MIT
// How the controls stack and the order in which Tab visits them.
#include <algorithm>
#include <utility>

#include "tapeview/RowEditor.h"
#include "tapewindow/KeyTable.h"
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
  // The focus stops that are not keys, among the keys' places. The row editor stands in for the
  // rows' entry fields, which follow the tape.
  std::vector<std::pair<int, QWidget*>> order = {{kTapeTabPlace, tapeView},
                                                 {kRowEditorTabPlace, &tapeView->Editor()},
                                                 {kResultBoxTabPlace, resultBox},
                                                 {kPreviousResultsTabPlace, previousResults},
                                                 {kOperatorPaletteTabPlace, operatorPalette}};
  for (const KeyDeclaration& key : KeyDeclarations())
    order.emplace_back(key.tabPlace, KeyButton(key.key));
  std::sort(order.begin(), order.end());
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
  // The window opens with the focus on its first stop, so the first Tab enters the row.
  tapeView->setFocus();
}

}  // namespace cinta
