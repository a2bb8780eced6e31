// SPDX-License-Identifier: MIT
#include "support/WindowHarness.h"

#include <QAbstractItemView>
#include <QtTest>

#include "support/KeyAlphabet.h"
#include "viewer/ReportViewer.h"

namespace cinta {

std::unique_ptr<TapeWindow> OpenWindow(const ProgramFolder& folder) {
  // The window of the test before closed without the close keys and left its tape to recover.
  DiscardRecoveryFile(RecoveryFilePath(folder.Path()));
  auto window = std::make_unique<TapeWindow>(folder.Path());
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qFatal("the main window never became active");
  return window;
}

void PressKeys(TapeWindow& window, std::string_view keys) {
  for (const char letter : keys)
    QTest::mouseClick(window.KeyButton(KeyOfLetter(letter)), Qt::LeftButton);
}

void Pick(TapeWindow& window, int index) {
  window.previousResults->setFocus();
  window.previousResults->showPopup();
  QAbstractItemView* list = window.previousResults->view();
  list->setCurrentIndex(list->model()->index(index, 0));
  QTest::keyClick(list->viewport(), Qt::Key_Return);
}

QPoint CentreInViewport(const TapeWindow& window, int row, RowPart part) {
  return window.tapeView->PixelRect(row, part).center();
}

QRect LastRowPlace(const TapeWindow& window) {
  return window.tapeView->PixelRect(window.LastRow(), RowPart::Entry);
}

std::string RowTexts(const TapeWindow& window) {
  std::string texts;
  for (int row = 0; row <= window.LastRow(); ++row) {
    if (row > 0) texts += '|';
    texts += window.Tape().OperandText(row);
  }
  return texts;
}

QString TapeContents(const TapeWindow& window) {
  std::string state;
  const auto shown = [](bool visible) { return visible ? "+" : "-"; };
  const TapeView& view = *window.tapeView;
  for (int row = 0; row <= window.LastRow(); ++row) {
    int face = -1;
    for (int code = 0; code < window.operatorLegend.Count(); ++code) {
      if (view.Face(row).cacheKey() == window.operatorLegend(code).Picture().cacheKey())
        face = code;
    }
    state += std::to_string(row) + ": " + window.Tape().OperandText(row) +
             shown(view.Shows(row, RowPart::Entry)) + " " + window.Tape().FormattedText(row) +
             shown(view.Shows(row, RowPart::Value)) + " code " +
             CodeText(window.Tape().RowOperator(row)) + " face " + std::to_string(face) +
             shown(view.Shows(row, RowPart::OperatorButton)) + "\n";
  }
  state += "result " + window.resultBox->Text().toStdString() + shown(window.resultBox->Visible()) +
           " " + window.formattedResult->Text().toStdString() +
           shown(window.formattedResult->Visible()) + " evaluated " +
           std::to_string(window.EvaluatedRows()) + " format " +
           std::to_string(static_cast<int>(window.CurrentFormatMode())) + "\nlist" +
           shown(window.previousResults->Visible()) + shown(window.clearResultsKey->Visible()) +
           " " + window.previousResults->currentText().toStdString() + ":";
  for (int entry = 0; entry < window.previousResults->count(); ++entry) {
    state += " " + window.previousResults->itemText(entry).toStdString();
  }
  return QString::fromStdString(state);
}

QString TapeSnapshot(const TapeWindow& window) {
  const TwipsRect& canvas = window.tapeView->Canvas();
  return QStringLiteral("rows at %1,%2 high %3\n")
             .arg(canvas.left)
             .arg(canvas.top)
             .arg(canvas.height) +
         TapeContents(window);
}

ViewerSeen SaveAndCloseViewer(TapeWindow& window, const std::function<void(ReportViewer&)>& act) {
  ViewerSeen seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
    auto* viewer = dynamic_cast<ReportViewer*>(QApplication::activeModalWidget());
    if (viewer == nullptr || !viewer->isVisible()) return;
    poll.stop();
    seen = {true, viewer->reportText->Text(), viewer->frameGeometry()};
    if (act) act(*viewer);
    viewer->reject();
  });
  poll.start(10);
  QTest::mouseClick(window.saveKey, Qt::LeftButton);
  return seen;
}

}  // namespace cinta
