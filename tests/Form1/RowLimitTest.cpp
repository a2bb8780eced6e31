// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

void Command7Clear(Form1& window) {
  QTest::mouseClick(&window.Command7(0), Qt::LeftButton);
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
    Form1& w = *window;
    PressKeys(w, "1");
    for (int row = 1; row < 32767; ++row) w.Command3(0).click();
    PressKeys(w, "+2");
    QCOMPARE(w.CurrentRow(), 32767);
    QCOMPARE(w.Label1(32767).Caption(), std::string("32767"));
    // Every row number shows whole, clear of the row's operator button.
    for (const int row : {999, 1000, 32767}) {
      const WindowlessLabel& number = w.Label1(row);
      const QRect place = w.Picture2.PixelRect(number);
      const QString caption = QString::fromStdString(number.Caption());
      QVERIFY(QFontMetrics(number.ShownFont(place)).horizontalAdvance(caption) <= place.width());
      QVERIFY(place.right() < w.Picture2.PixelRect(w.Command1(row)).left());
    }
    QCOMPARE(w.Command1(32767).Top(), 5520 + 665 * 32767);
    QCOMPARE(w.Text2->Text(), QStringLiteral("3"));
    const int top = w.Picture2.Top();
    const int height = w.Picture2.Height();

    PressKeys(w, "*r");
    QCOMPARE(w.CurrentRow(), 32767);
    QCOMPARE(w.Text1.Count(), 32768);
    QCOMPARE(w.Command1.Count(), 32768);
    QCOMPARE(w.Picture2.Top(), top);
    QCOMPARE(w.Picture2.Height(), height);
    QCOMPARE(w.Text1(32767).Text(), std::string("2"));
    QCOMPARE(w.Text2->Text(), QStringLiteral("3"));
    // The number keys still work on the last row.
    PressKeys(w, "5");
    QCOMPARE(w.Text2->Text(), QStringLiteral("26"));

    // Saved and viewed whole: a blank line, 32768 row lines (from row 100 on, the name goes on a
    // line of its own), a blank line, the rule and the result.
    const ViewerSeen seen = SaveAndCloseViewer(w);
    QVERIFY(seen.opened);
    QCOMPARE(seen.text.count(QStringLiteral("\r\n")), 1 + 99 + 2 * (32768 - 99) + 3);
    QVERIFY(seen.text.endsWith(QStringLiteral("26\r\n")));

    Command7Clear(w);
    QCOMPARE(w.CurrentRow(), 0);
    QCOMPARE(w.Text1.Count(), 1);
    QCOMPARE(w.Combo1->itemText(0), QStringLiteral("26"));
    PressKeys(w, "4+4");
    QCOMPARE(w.Text2->Text(), QStringLiteral("8"));
  }
};

int RunRowLimitTest(int argc, char** argv) {
  RowLimitTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "RowLimitTest.moc"
