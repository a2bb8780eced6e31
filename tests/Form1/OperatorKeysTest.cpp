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

  void FirstRowIsPlacedOneStepBelowRowZero() {
    Form1& w = *window_;
    QTest::mouseClick(&w.Command3(0), Qt::LeftButton);
    QCOMPARE(w.CurrentRow(), 1);
    QCOMPARE(w.Command1.Count(), 2);
    const std::initializer_list<const WindowlessControl*> row = {
        &w.Command1(1), &w.Text1(1), &w.Label2(1), &w.Label1(1), &w.Label4(1)};
    for (const WindowlessControl* control : row) QCOMPARE(control->Top(), 6185);
    // Everything else is copied from row 0.
    QCOMPARE(w.Text1(1).Left(), w.Text1(0).Left());
    QCOMPARE(w.Text1(1).Height(), w.Text1(0).Height());
    QCOMPARE(w.Label2(1).Width(), w.Label2(0).Width());
    QCOMPARE(w.Label2(1).BackColor(), w.Label2(0).BackColor());
    QCOMPARE(w.Label2(1).Caption(), std::string("Label2"));
    QCOMPARE(w.Text1(1).Font(), w.Text1(0).Font());
    QCOMPARE(w.Picture2.Top(), -905);
    QCOMPARE(w.Picture2.Height(), 7110);
    QCOMPARE(w.Label1(1).Caption(), std::string("1"));
    QCOMPARE(w.Label4(1).Caption(), std::string("0"));
    QCOMPARE(w.Text1(1).Text(), std::string());
    QCOMPARE(w.Command1(1).Picture().cacheKey(), w.Image1(0).Picture().cacheKey());
    QVERIFY(w.Command1(1).Visible());
    QVERIFY(w.Text1(1).Visible());
    QVERIFY(w.Label1(1).Visible());
    QVERIFY(!w.Label2(1).Visible());
    QVERIFY(!w.Label4(1).Visible());
    QCOMPARE(w.EvalRowCount(), 1);
  }

  void RowsFollowOneAnother_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("two rows") << 2;
    QTest::newRow("five rows") << 5;
    QTest::newRow("twelve rows") << 12;
  }
  void RowsFollowOneAnother() {
    QFETCH(int, rows);
    Form1& w = *window_;
    for (int n = 1; n <= rows; ++n) QTest::mouseClick(&w.Command3(n % 12), Qt::LeftButton);
    for (int n = 1; n <= rows; ++n) {
      QCOMPARE(w.Command1(n).Top(), 5520 + 665 * n);
      QCOMPARE(w.Label1(n).Caption(), std::to_string(n));
      QCOMPARE(w.Label4(n).Caption(), std::to_string(n % 12));
      QCOMPARE(w.Command1(n).Picture().cacheKey(), w.Image1(n % 12).Picture().cacheKey());
    }
    QCOMPARE(w.Picture2.Top(), -240 - 665 * rows);
    QCOMPARE(w.Picture2.Height(), 6375 + 735 * rows);
  }

  // A click on a row's operator button goes to Command1_Click, which opens the palette; the
  // viewport shows the button held down only while the pointer stays on it.
  void RowOperatorButtonSinksWhilePressed() {
    Form1& w = *window_;
    PressKeys(w, "+");
    const QRect button = w.Picture2.PixelRect(w.Command1(1));
    const QImage before = w.Picture1->grab(button).toImage();
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, button.center());
    QVERIFY(w.Picture1->grab(button).toImage() != before);
    QVERIFY(!w.Picture4->isVisible());
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, button.center());
    QCOMPARE(w.Picture1->grab(button).toImage(), before);
    QVERIFY(w.Picture4->isVisible());
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<Form1> window_;
};

int RunOperatorKeysTest(int argc, char** argv) {
  OperatorKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "OperatorKeysTest.moc"
