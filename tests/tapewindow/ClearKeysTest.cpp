// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

void ClickC(TapeWindow& window) {
  QTest::mouseClick(window.clearKey, Qt::LeftButton);
}

void ClickCE(TapeWindow& window) {
  QTest::mouseClick(window.clearEntryKey, Qt::LeftButton);
}

}  // namespace

// What the window adds to the clear keys' rules, whose cases the core's tests hold: the list of
// previous results coming into view, the row controls going, and where the rows stand.
class ClearKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // After C the rows stand as in a window just opened, however far they were scrolled.
  void ClearFilesTheResultAndRestoresTheStartPlace() {
    TapeWindow& w = *window_;
    const int startLeft = w.tapeView->Canvas().left;
    const int startTop = w.tapeView->Canvas().top;
    const QRect band = LastRowPlace(w);
    PressKeys(w, "5+3+");
    QTest::mouseClick(w.scrollUpKey, Qt::LeftButton);
    ClickC(w);
    QCOMPARE(w.previousResults->count(), 1);
    QCOMPARE(w.previousResults->currentText(), QStringLiteral("8"));
    QVERIFY(w.previousResults->isVisible());
    QVERIFY(w.clearResultsKey->isVisible());
    QCOMPARE(RowTexts(w), std::string());
    QCOMPARE(w.resultBox->Text(), QStringLiteral("0"));
    QCOMPARE(w.Tape().LastRow(), 0);
    QCOMPARE(w.tapeView->Canvas().left, startLeft);
    QCOMPARE(w.tapeView->Canvas().top, startTop);
    QCOMPARE(LastRowPlace(w), band);
  }

  void ClearThenAnOperatorKeyStartsRowOneAgain() {
    TapeWindow& w = *window_;
    PressKeys(w, "1+");
    const QRect band = LastRowPlace(w);
    PressKeys(w, "2+3");
    ClickC(w);
    PressKeys(w, "7*");
    QCOMPARE(w.LastRow(), 1);
    QCOMPARE(LastRowPlace(w), band);
    QCOMPARE(w.Tape().RowOperator(1), OperatorCode::Multiply);
  }

  // The canvas goes back to where it was before the row's operator key, so the new last row
  // stays in the entry band; with row 0 alone nothing moves.
  void ClearEntryPutsTheRowsBack_data() {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("rows");
    QTest::newRow("a row removed") << "5+3"
                                   << "*2"
                                   << "5|3";
    QTest::newRow("row 0 emptied") << ""
                                   << "42"
                                   << "";
  }
  void ClearEntryPutsTheRowsBack() {
    QFETCH(QString, kept);
    QFETCH(QString, removed);
    QFETCH(QString, rows);
    TapeWindow& w = *window_;
    PressKeys(w, kept.toStdString());
    const int top = w.tapeView->Canvas().top;
    const int height = w.tapeView->Canvas().height;
    PressKeys(w, removed.toStdString());
    ClickCE(w);
    QCOMPARE(QString::fromStdString(RowTexts(w)), rows);
    QCOMPARE(w.tapeView->Canvas().top, top);
    QCOMPARE(w.tapeView->Canvas().height, height);
    QCOMPARE(w.Tape().LastRow(), w.LastRow());
  }

  // CE moves the rows back by one row step from wherever the user scrolled them, while C
  // restores the place they had at start-up.
  void ClearKeysAfterScrolling_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("fromStart");
    QTest::newRow("CE keeps the offset") << static_cast<int>(Key::ClearEntry) << false;
    QTest::newRow("C returns to the start position") << static_cast<int>(Key::Clear) << true;
  }
  void ClearKeysAfterScrolling() {
    QFETCH(int, key);
    QFETCH(bool, fromStart);
    TapeWindow& w = *window_;
    const int startTop = w.tapeView->Canvas().top;
    PressKeys(w, "1+2+3");
    const int step = RowLayout::Step();
    for (int press = 0; press < 3; ++press) QTest::mouseClick(w.scrollUpKey, Qt::LeftButton);
    const int top = w.tapeView->Canvas().top;
    QTest::mouseClick(w.KeyButton(static_cast<Key>(key)), Qt::LeftButton);
    QCOMPARE(w.tapeView->Canvas().top, fromStart ? startTop : top + step);
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunClearKeysTest(int argc, char** argv) {
  ClearKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "ClearKeysTest.moc"
