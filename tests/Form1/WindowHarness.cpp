// SPDX-License-Identifier: MIT
#include "WindowHarness.h"

#include <QtTest>

#include "Form2/Form2.h"

namespace cinta {

std::unique_ptr<Form1> OpenWindow(const ProgramFolder& folder) {
  auto window = std::make_unique<Form1>(folder.Path());
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qFatal("the main window never became active");
  return window;
}

namespace {

QAbstractButton* KeyFor(Form1& window, char key) {
  if (key >= '0' && key <= '9') return &window.Command2(key - '0');
  constexpr std::string_view kOperators = "+-*/^%riRmq!";
  if (const auto code = kOperators.find(key); code != std::string_view::npos)
    return &window.Command3(static_cast<int>(code));
  constexpr std::string_view kFormats = "aeczZ";
  if (const auto mode = kFormats.find(key); mode != std::string_view::npos)
    return &window.Command8(static_cast<int>(mode));
  switch (key) {
    case ',':
      return window.Command4;
    case '<':
      return window.Command9;
    case '~':
      return window.Command10;
    case '=':
      return window.Command5;
    default:
      qFatal("no key for '%c'", key);
  }
}

}  // namespace

void PressKeys(Form1& window, std::string_view keys) {
  for (const char key : keys) QTest::mouseClick(KeyFor(window, key), Qt::LeftButton);
}

QPoint CentreInViewport(const Form1& window, const WindowlessControl& control) {
  return window.Picture2.PixelRect(control).center();
}

std::string RowTexts(const Form1& window) {
  std::string texts;
  for (int row = 0; row <= window.CurrentRow(); ++row) {
    if (row > 0) texts += '|';
    texts += window.Text1(row).Text();
  }
  return texts;
}

ViewerSeen SaveAndCloseViewer(Form1& window, const std::function<void(Form2&)>& act) {
  ViewerSeen seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
    auto* viewer = dynamic_cast<Form2*>(QApplication::activeModalWidget());
    if (viewer == nullptr || !viewer->isVisible()) return;
    poll.stop();
    seen = {true, viewer->Text1->Text(), viewer->frameGeometry()};
    if (act) act(*viewer);
    viewer->reject();
  });
  poll.start(10);
  QTest::mouseClick(window.Command11, Qt::LeftButton);
  return seen;
}

}  // namespace cinta
