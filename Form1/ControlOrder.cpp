// SPDX-License-Identifier: MIT
// How the controls stack and the order in which Tab visits them.
#include "Form1/Form1.h"
#include "controls/RowEditor.h"

namespace cinta {

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
