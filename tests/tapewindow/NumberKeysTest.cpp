// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {

class NumberKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // Each key reaches its rule (the core's tests hold the rules' cases); the entry field and the
  // result box show what it left.
  void EachKeyEditsTheCurrentRow_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("rows");    // texts of every row, joined by "|"
    QTest::addColumn<QString>("result");  // the result box
    QTest::newRow("digits") << "2+0123456789"
                            << "2|0123456789"
                            << "123456791";
    QTest::newRow("decimal") << "2+3,"
                             << "2|3."
                             << "5";
    QTest::newRow("backspace") << "2+34<"
                               << "2|3"
                               << "5";
    QTest::newRow("sign") << "2+3~"
                          << "2|-3"
                          << "-1";
  }
  void EachKeyEditsTheCurrentRow() {
    QFETCH(QString, keys);
    QFETCH(QString, rows);
    QFETCH(QString, result);
    PressKeys(*window_, keys.toStdString());
    QCOMPARE(QString::fromStdString(RowTexts(*window_)), rows);
    QCOMPARE(window_->resultBox->Text(), result);
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunNumberKeysTest(int argc, char** argv) {
  NumberKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "NumberKeysTest.moc"
