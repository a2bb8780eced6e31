// SPDX-License-Identifier: MIT
#include "support/WindowHarness.h"

#include <QAbstractItemView>
#include <QtTest>

#include "Form2/Form2.h"

namespace cinta {

std::unique_ptr<Form1> OpenWindow(const ProgramFolder& folder) {
  // The window of the test before closed without the close keys and left its tape to recover.
  DiscardRecoveryFile(RecoveryFilePath(folder.Path()));
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

void Pick(Form1& window, int index) {
  window.Combo1->setFocus();
  window.Combo1->showPopup();
  QAbstractItemView* list = window.Combo1->view();
  list->setCurrentIndex(list->model()->index(index, 0));
  QTest::keyClick(list->viewport(), Qt::Key_Return);
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

QString TapeSnapshot(const Form1& window) {
  std::string state;
  const auto shown = [](bool visible) { return visible ? "+" : "-"; };
  for (int row = 0; row <= window.CurrentRow(); ++row) {
    int face = -1;
    for (int code = 0; code < window.Image1.Count(); ++code) {
      if (window.Command1(row).Picture().cacheKey() == window.Image1(code).Picture().cacheKey())
        face = code;
    }
    state += std::to_string(row) + ": " + window.Text1(row).Text() +
             shown(window.Text1(row).Visible()) + " " + window.Label2(row).Caption() +
             shown(window.Label2(row).Visible()) + " code " + window.Label4(row).Caption() +
             shown(window.Label4(row).Visible()) + " face " + std::to_string(face) +
             shown(window.Command1(row).Visible()) + " number " + window.Label1(row).Caption() +
             shown(window.Label1(row).Visible()) + " at " +
             std::to_string(window.Command1(row).Top()) + "\n";
  }
  state += "result " + window.Text2->Text().toStdString() + shown(window.Text2->Visible()) + " " +
           window.Label3->Caption().toStdString() + shown(window.Label3->Visible()) + " rows at " +
           std::to_string(window.Picture2.Left()) + "," + std::to_string(window.Picture2.Top()) +
           " high " + std::to_string(window.Picture2.Height()) + " evaluated " +
           std::to_string(window.EvalRowCount()) + " format " +
           std::to_string(window.FormatMode()) + "\nlist" + shown(window.Combo1->Visible()) +
           shown(window.Command12->Visible()) + " " + window.Combo1->currentText().toStdString() +
           ":";
  for (int entry = 0; entry < window.Combo1->count(); ++entry) {
    state += " " + window.Combo1->itemText(entry).toStdString();
  }
  return QString::fromStdString(state);
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
