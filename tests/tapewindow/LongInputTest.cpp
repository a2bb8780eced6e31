// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

constexpr int kMegabyte = 1 << 20;

// Pastes `text` where the focus is, as Ctrl+V does.
void Paste(const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

// What a paste makes of a row: one figure as written elsewhere, or nothing; a megabyte would make
// every later key copy it. The result box takes no paste at all.
class LongInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  void PasteIntoARow_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("result");
    QTest::newRow("a figure with grouping") << "1.000,50"
                                            << "1000.50"
                                            << "1002.5";
    QTest::newRow("a negative with a currency") << "(12,50 \u20ac)"
                                                << "-12.50"
                                                << "-10.5";
    QTest::newRow("a megabyte of digits") << QString(kMegabyte, u'9') << ""
                                          << "2";
    QTest::newRow("not a figure") << "12abc"
                                  << ""
                                  << "2";
  }
  void PasteIntoARow() {
    QFETCH(QString, pasted);
    QFETCH(QString, row);
    QFETCH(QString, result);
    TapeWindow& w = *window_;
    QTest::mouseClick(w.tapeView, Qt::LeftButton, {}, CentreInViewport(w, w.rowEntries(0)));
    Paste(pasted);
    QCOMPARE(QString::fromStdString(w.rowEntries(0).Text()), row);
    PressKeys(w, "+2");
    QCOMPARE(w.resultBox->Text(), result);
  }

  void ResultBoxTakesNoPaste() {
    TapeWindow& w = *window_;
    PressKeys(w, "4+5");
    w.resultBox->setFocus();
    w.resultBox->selectAll();
    Paste(QStringLiteral("100"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("9"));
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunLongInputTest(int argc, char** argv) {
  LongInputTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "LongInputTest.moc"
