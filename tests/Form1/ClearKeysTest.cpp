// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

constexpr int kRowStep = 665;

void ClickC(Form1& window) {
  QTest::mouseClick(&window.Command7(0), Qt::LeftButton);
}

void ClickCE(Form1& window) {
  QTest::mouseClick(&window.Command7(1), Qt::LeftButton);
}

}  // namespace

// What the window adds to the clear keys' rules, whose cases the core's tests hold: the list of
// previous results coming into view, the row controls going, and where the rows stand.
class ClearKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  void ClearFilesTheResultAndRestoresTheStartPlace() {
    Form1& w = *window_;
    PressKeys(w, "5+3+");
    QTest::mouseClick(&w.Command6(0), Qt::LeftButton);
    ClickC(w);
    QCOMPARE(w.Combo1->count(), 1);
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("8"));
    QVERIFY(w.Combo1->isVisible());
    QVERIFY(w.Command12->isVisible());
    QCOMPARE(RowTexts(w), std::string());
    QCOMPARE(w.Text2->Text(), QStringLiteral("0"));
    QCOMPARE(w.Label4.Count(), 1);
    QCOMPARE(w.Command1.Count(), 1);
    QCOMPARE(w.Picture2.Left(), -5);
    QCOMPARE(w.Picture2.Top(), -240);
    QCOMPARE(w.Picture2.Height(), 6415);
  }

  void ClearThenAnOperatorKeyStartsRowOneAgain() {
    Form1& w = *window_;
    PressKeys(w, "1+2+3");
    ClickC(w);
    PressKeys(w, "7*");
    QCOMPARE(w.CurrentRow(), 1);
    QCOMPARE(w.Label1(1).Caption(), std::string("1"));
    QCOMPARE(w.Command1(1).Top(), w.Command1(0).Top() + kRowStep);
    QCOMPARE(w.Picture2.Top(), -240 - kRowStep);
    QCOMPARE(w.Label4(1).Caption(), std::string("2"));
  }

  // The container goes back to where it was before the row's operator key, so the new last row
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
    Form1& w = *window_;
    PressKeys(w, kept.toStdString());
    const int top = w.Picture2.Top();
    const int height = w.Picture2.Height();
    PressKeys(w, removed.toStdString());
    ClickCE(w);
    QCOMPARE(QString::fromStdString(RowTexts(w)), rows);
    QCOMPARE(w.Picture2.Top(), top);
    QCOMPARE(w.Picture2.Height(), height);
    QCOMPARE(w.Label4.Count(), w.CurrentRow() + 1);
  }

  // CE moves the rows back by one step from wherever the user scrolled them, while C restores
  // the start position.
  void ClearKeysAfterScrolling_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expectedShift");
    QTest::addColumn<bool>("fromStart");
    QTest::newRow("CE keeps the offset") << 1 << kRowStep << false;
    QTest::newRow("C returns to the start position") << 0 << -240 << true;
  }
  void ClearKeysAfterScrolling() {
    QFETCH(int, key);
    QFETCH(int, expectedShift);
    QFETCH(bool, fromStart);
    Form1& w = *window_;
    PressKeys(w, "1+2+3");
    for (int press = 0; press < 3; ++press) QTest::mouseClick(&w.Command6(0), Qt::LeftButton);
    const int top = w.Picture2.Top();
    QTest::mouseClick(&w.Command7(key), Qt::LeftButton);
    QCOMPARE(w.Picture2.Top(), fromStart ? expectedShift : top + expectedShift);
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<Form1> window_;
};

int RunClearKeysTest(int argc, char** argv) {
  ClearKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "ClearKeysTest.moc"
