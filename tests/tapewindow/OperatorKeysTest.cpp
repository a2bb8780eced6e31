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

  // A new row stands below row 0, in view, with an empty entry field.
  void FirstRowIsPlacedOneStepBelowRowZero() {
    TapeWindow& w = *window_;
    QTest::mouseClick(&w.operatorKeys(0), Qt::LeftButton);
    QCOMPARE(w.LastRow(), 1);
    QVERIFY(LastRowPlace(w).top() > w.tapeView->PixelRect(0, RowPart::Entry).bottom());
    QVERIFY(w.tapeView->rect().contains(LastRowPlace(w)));
    QCOMPARE(w.Tape().FormattedText(1), w.Tape().FormattedText(0));
    QCOMPARE(w.Tape().RowOperator(1), OperatorCode::Add);
    QCOMPARE(w.Tape().OperandText(1), std::string());
    QCOMPARE(w.tapeView->Face(1).cacheKey(), w.operatorLegend(0).Picture().cacheKey());
    QVERIFY(w.tapeView->Shows(1, RowPart::OperatorButton));
    QVERIFY(w.tapeView->Shows(1, RowPart::Entry));
    QVERIFY(w.tapeView->Shows(1, RowPart::Number));
    QVERIFY(!w.tapeView->Shows(1, RowPart::Value));
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
    for (int n = 1; n <= rows; ++n) {
      QCOMPARE(w.Tape().RowOperator(n), OperatorCode{n % kOperatorCount});
      QCOMPARE(w.tapeView->Face(n).cacheKey(), w.operatorLegend(n % 12).Picture().cacheKey());
    }
    // The last row stands where each new row does, and the tape holds it whole.
    QCOMPARE(LastRowPlace(w), band);
    QVERIFY(w.tapeView->Canvas().ToPixels().contains(LastRowPlace(w)));
  }

  // A click on a row's operator button goes to OpenPalette, which opens the palette; the
  // viewport shows the button held down only while the pointer stays on it.
  void RowOperatorButtonSinksWhilePressed() {
    TapeWindow& w = *window_;
    PressKeys(w, "+");
    const QRect button = w.tapeView->PixelRect(1, RowPart::OperatorButton);
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
