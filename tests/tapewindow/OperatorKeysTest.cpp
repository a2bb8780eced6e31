// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {

class OperatorKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // A new row's controls stand on one line, one row step below the row before, in view.
  void FirstRowIsPlacedOneStepBelowRowZero() {
    TapeWindow& w = *window_;
    QTest::mouseClick(&w.operatorKeys(0), Qt::LeftButton);
    QCOMPARE(w.LastRow(), 1);
    QCOMPARE(w.rowOperatorButtons.Count(), 2);
    const std::initializer_list<const WindowlessControl*> row = {
        &w.rowOperatorButtons(1), &w.rowEntries(1), &w.rowValues(1), &w.rowNumbers(1)};
    const int top = w.rowOperatorButtons(1).Top();
    for (const WindowlessControl* control : row) QCOMPARE(control->Top(), top);
    QVERIFY(top >= w.rowEntries(0).Top() + w.rowEntries(0).Height());
    QVERIFY(w.tapeView->rect().contains(LastRowPlace(w)));
    // Everything else is copied from row 0.
    QCOMPARE(w.rowEntries(1).Left(), w.rowEntries(0).Left());
    QCOMPARE(w.rowEntries(1).Height(), w.rowEntries(0).Height());
    QCOMPARE(w.rowValues(1).Width(), w.rowValues(0).Width());
    QCOMPARE(w.rowValues(1).BackColor(), w.rowValues(0).BackColor());
    QCOMPARE(w.rowValues(1).Text(), w.rowValues(0).Text());
    QCOMPARE(w.rowEntries(1).Font(), w.rowEntries(0).Font());
    QCOMPARE(w.rowNumbers(1).Text(), std::string("1"));
    QCOMPARE(w.Tape().RowOperator(1), OperatorCode::Add);
    QCOMPARE(w.rowEntries(1).Text(), std::string());
    QCOMPARE(w.rowOperatorButtons(1).Picture().cacheKey(),
             w.operatorLegend(0).Picture().cacheKey());
    QVERIFY(w.rowOperatorButtons(1).Visible());
    QVERIFY(w.rowEntries(1).Visible());
    QVERIFY(w.rowNumbers(1).Visible());
    QVERIFY(!w.rowValues(1).Visible());
    QCOMPARE(w.EvaluatedRows(), 1);
  }

  void RowsFollowOneAnother_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("two rows") << 2;
    QTest::newRow("five rows") << 5;
    QTest::newRow("twelve rows") << 12;
  }
  void RowsFollowOneAnother() {
    QFETCH(int, rows);
    TapeWindow& w = *window_;
    QTest::mouseClick(&w.operatorKeys(1), Qt::LeftButton);
    const QRect band = LastRowPlace(w);
    for (int n = 2; n <= rows; ++n) QTest::mouseClick(&w.operatorKeys(n % 12), Qt::LeftButton);
    const int step = w.rowOperatorButtons(1).Top() - w.rowOperatorButtons(0).Top();
    for (int n = 1; n <= rows; ++n) {
      QCOMPARE(w.rowOperatorButtons(n).Top() - w.rowOperatorButtons(n - 1).Top(), step);
      QCOMPARE(w.rowNumbers(n).Text(), std::to_string(n));
      QCOMPARE(w.Tape().RowOperator(n), OperatorCode{n % kOperatorCount});
      QCOMPARE(w.rowOperatorButtons(n).Picture().cacheKey(),
               w.operatorLegend(n % 12).Picture().cacheKey());
    }
    // The last row stands where each new row does, and the tape holds it whole.
    QCOMPARE(LastRowPlace(w), band);
    QVERIFY(w.rowCanvas.Height() >= w.rowEntries(rows).Top() + w.rowEntries(rows).Height());
  }

  // A click on a row's operator button goes to OpenPalette, which opens the palette; the
  // viewport shows the button held down only while the pointer stays on it.
  void RowOperatorButtonSinksWhilePressed() {
    TapeWindow& w = *window_;
    PressKeys(w, "+");
    const QRect button = w.rowCanvas.PixelRect(w.rowOperatorButtons(1));
    const QImage before = w.tapeView->grab(button).toImage();
    QTest::mousePress(w.tapeView, Qt::LeftButton, {}, button.center());
    QVERIFY(w.tapeView->grab(button).toImage() != before);
    QVERIFY(!w.operatorPalette->isVisible());
    QTest::mouseRelease(w.tapeView, Qt::LeftButton, {}, button.center());
    QCOMPARE(w.tapeView->grab(button).toImage(), before);
    QVERIFY(w.operatorPalette->isVisible());
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunOperatorKeysTest(int argc, char** argv) {
  OperatorKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "OperatorKeysTest.moc"
