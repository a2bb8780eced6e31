// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {

class FormatKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // One row per format key: a click formats every row and the result with the key's pattern and
  // the configured currency symbol (the shipped one is the euro sign), and the labels take the
  // place of the entry fields and the result box. The patterns themselves are the core's to test.
  void FormatKeyShowsTheFormattedView_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("row0");
    QTest::addColumn<QString>("result");
    QTest::newRow("key ,00") << "1234,5+1a"
                             << "1.234,50"
                             << "1.235,50";
    QTest::newRow("key ,00$") << "1234,5+1c"
                              << "1.234,50 €"
                              << "1.235,50 €";
    QTest::newRow("key Z") << "1234,5+1z"
                           << "1.235"
                           << "1.236";
    QTest::newRow("key Z$") << "1234,5+1Z"
                            << "1.235 €"
                            << "1.236 €";
  }
  void FormatKeyShowsTheFormattedView() {
    QFETCH(QString, keys);
    QFETCH(QString, row0);
    QFETCH(QString, result);
    TapeWindow& w = *window_;
    PressKeys(w, keys.toStdString());
    QCOMPARE(QString::fromStdString(w.Tape().FormattedText(0)), row0);
    QCOMPARE(w.formattedResult->Text(), result);
    for (int row = 0; row <= 1; ++row) {
      QVERIFY(!w.tapeView->Shows(row, RowPart::Entry));
      QVERIFY(w.tapeView->Shows(row, RowPart::Value));
    }
    QVERIFY(!w.resultBox->Visible());
    QVERIFY(w.formattedResult->Visible());
  }

  // The keys whose own task is to leave the formatted view show the entry fields and the result
  // box again, with the texts as the keys left them. Which other keys leave it is the core's rule.
  void KeysReturnToTheEditView_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("result");
    QTest::newRow("edit view key, texts changed behind the view") << "5+2a~e"
                                                                  << "5|-2"
                                                                  << "3";
    // 5 x 0: "=" evaluates the last row even while it is empty.
    QTest::newRow("equals") << "5*a="
                            << "5|"
                            << "0";
  }
  void KeysReturnToTheEditView() {
    QFETCH(QString, keys);
    QFETCH(QString, rows);
    QFETCH(QString, result);
    TapeWindow& w = *window_;
    PressKeys(w, keys.toStdString());
    for (int row = 0; row <= w.LastRow(); ++row) {
      QVERIFY(w.tapeView->Shows(row, RowPart::Entry));
      QVERIFY(!w.tapeView->Shows(row, RowPart::Value));
    }
    QVERIFY(w.resultBox->Visible());
    QVERIFY(!w.formattedResult->Visible());
    QCOMPARE(QString::fromStdString(RowTexts(w)), rows);
    QCOMPARE(w.resultBox->Text(), result);
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunFormatKeysTest(int argc, char** argv) {
  FormatKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "FormatKeysTest.moc"
