// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {

// What the clear keys leave alone: the evaluation state, the shown view and the scroll offset.
class ClearKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // C writes the result box itself instead of evaluating, so evalRowCount keeps its value.
  void ClearDoesNotEvaluate() {
    Form1& w = *window_;
    PressKeys(w, "5+3+");
    QCOMPARE(w.EvalRowCount(), 2);
    QTest::mouseClick(&w.Command7(0), Qt::LeftButton);
    QCOMPARE(w.EvalRowCount(), 2);
    QCOMPARE(w.Text2->Text(), QStringLiteral("0"));
  }

  void ClearKeysKeepTheFormattedView_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("C") << 0;
    QTest::newRow("CE") << 1;
  }
  void ClearKeysKeepTheFormattedView() {
    QFETCH(int, key);
    Form1& w = *window_;
    PressKeys(w, "2+4a");
    const std::string shownRow = w.Label2(0).Caption();
    const QString shownResult = w.Label3->Caption();
    QTest::mouseClick(&w.Command7(key), Qt::LeftButton);
    QCOMPARE(w.CurrentRow(), 0);
    QVERIFY(w.Label2(0).Visible());
    QVERIFY(!w.Text1(0).Visible());
    QVERIFY(w.Label3->isVisible());
    QCOMPARE(w.Label2(0).Caption(), shownRow);
    QCOMPARE(w.Label3->Caption(), shownResult);
  }

  // CE moves the rows back by one step from wherever the user scrolled them, while C restores
  // the start position.
  void ClearKeysAfterScrolling_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expectedShift");
    QTest::addColumn<bool>("fromStart");
    QTest::newRow("CE keeps the offset") << 1 << 665 << false;
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
