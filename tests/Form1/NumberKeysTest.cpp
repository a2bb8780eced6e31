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

  void EditsTheCurrentRow_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("rows");    // texts of every row, joined by "|"
    QTest::addColumn<QString>("result");  // the result box
    QTest::newRow("digits keep leading zeros") << "007"
                                               << "007"
                                               << "7";
    QTest::newRow("a second decimal is ignored") << "12,,"
                                                 << "12."
                                                 << "12";
    QTest::newRow("decimal on an empty row is a lone point") << ","
                                                             << "."
                                                             << "0";
    // 5 x 0 would be 0: the decimal key leaves the empty row unevaluated.
    QTest::newRow("decimal does not evaluate") << "5*,"
                                               << "5|."
                                               << "5";
    QTest::newRow("backspace on an empty row does not evaluate") << "5*<"
                                                                 << "5|"
                                                                 << "5";
    // The point goes and the empty second row now counts: 5 x 0.
    QTest::newRow("backspace after decimal removes it and evaluates") << "5*,<"
                                                                      << "5|"
                                                                      << "0";
    QTest::newRow("backspace shortens the number") << "123<"
                                                   << "12"
                                                   << "12";
    QTest::newRow("backspace turns -5 into a lone minus") << "5~<"
                                                          << "-"
                                                          << "0";
    QTest::newRow("backspace turns a lone minus into nothing") << "5~<<"
                                                               << ""
                                                               << "0";
    QTest::newRow("sign key negates") << "12~"
                                      << "-12"
                                      << "-12";
    QTest::newRow("sign key twice gives --12 which counts 0") << "12~~"
                                                              << "--12"
                                                              << "0";
    QTest::newRow("sign key on an empty row") << "~"
                                              << "-"
                                              << "0";
    QTest::newRow("digits after the sign") << "~7"
                                           << "-7"
                                           << "-7";
    QTest::newRow("keys edit only the last row") << "2+3~"
                                                 << "2|-3"
                                                 << "-1";
  }
  void EditsTheCurrentRow() {
    QFETCH(QString, keys);
    QFETCH(QString, rows);
    QFETCH(QString, result);
    PressKeys(*window_, keys.toStdString());
    QCOMPARE(QString::fromStdString(RowTexts(*window_)), rows);
    QCOMPARE(window_->Text2->Text(), result);
  }

  // Sign, backspace and decimal change the hidden texts while the formatted view stays.
  void EditingKeysKeepTheFormattedView_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("result");
    QTest::newRow("sign") << "~"
                          << "-56"
                          << "-56";
    QTest::newRow("backspace") << "<"
                               << "5"
                               << "5";
    QTest::newRow("decimal") << ","
                             << "56."
                             << "56";
  }
  void EditingKeysKeepTheFormattedView() {
    QFETCH(QString, key);
    QFETCH(QString, row);
    QFETCH(QString, result);
    PressKeys(*window_, "56a");
    PressKeys(*window_, key.toStdString());
    QCOMPARE(QString::fromStdString(window_->Text1(0).Text()), row);
    QCOMPARE(window_->Text2->Text(), result);
    QVERIFY(!window_->Text1(0).Visible());
    QVERIFY(window_->Label2(0).Visible());
    QCOMPARE(window_->Label2(0).Caption(), std::string("56,00"));
    QVERIFY(window_->Label3->Visible());
    QCOMPARE(window_->Label3->Caption(), QStringLiteral("56,00"));
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<Form1> window_;
};

int RunNumberKeysTest(int argc, char** argv) {
  NumberKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "NumberKeysTest.moc"
