// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

void PressC(TapeWindow& window) {
  QTest::mouseClick(window.clearKey, Qt::LeftButton);
}

}  // namespace

// Rows are numbered 0 to 32767: at the last one an operator key changes nothing. Building the
// full tape evaluates it once per row, so this is the slowest window test.
class RowLimitTest : public QObject {
  Q_OBJECT

 private slots:
  void OperatorKeyAtTheLastRowChangesNothing() {
    ProgramFolder folder;
    const auto window = OpenWindow(folder);
    TapeWindow& w = *window;
    PressKeys(w, "1");
    w.operatorKeys(0).click();
    const QRect band = LastRowPlace(w);
    for (int row = 2; row < 32767; ++row) w.operatorKeys(0).click();
    PressKeys(w, "+2");
    QCOMPARE(w.LastRow(), 32767);
    QCOMPARE(LastRowPlace(w), band);
    QCOMPARE(w.resultBox->Text(), QStringLiteral("3"));
    const int top = w.tapeView->Canvas().top;
    const int height = w.tapeView->Canvas().height;

    PressKeys(w, "*r");
    QCOMPARE(w.LastRow(), 32767);
    QCOMPARE(w.tapeView->Canvas().top, top);
    QCOMPARE(w.tapeView->Canvas().height, height);
    QCOMPARE(w.Tape().OperandText(32767), std::string("2"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("3"));
    // The number keys still work on the last row.
    PressKeys(w, "5");
    QCOMPARE(w.resultBox->Text(), QStringLiteral("26"));

    // Saved and viewed whole: a line at least for each of the 32768 rows, and the result last.
    const ViewerSeen seen = SaveAndCloseViewer(w);
    QVERIFY(seen.opened);
    QVERIFY(seen.text.count(QStringLiteral("\r\n")) > 32768);
    QVERIFY(seen.text.endsWith(QStringLiteral("26\r\n")));

    PressC(w);
    QCOMPARE(w.LastRow(), 0);
    QCOMPARE(w.previousResults->itemText(0), QStringLiteral("26"));
    PressKeys(w, "4+4");
    QCOMPARE(w.resultBox->Text(), QStringLiteral("8"));
  }
};

int RunRowLimitTest(int argc, char** argv) {
  RowLimitTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "RowLimitTest.moc"
