// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QMimeData>
#include <QtTest>
#include <filesystem>

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
// every later key copy it. Elsewhere a paste or a drop is a column of figures for the tape.
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
    QTest::mouseClick(w.tapeView, Qt::LeftButton, {}, CentreInViewport(w, 0, RowPart::Entry));
    Paste(pasted);
    QCOMPARE(QString::fromStdString(w.Tape().OperandText(0)), row);
    PressKeys(w, "+2");
    QCOMPARE(w.resultBox->Text(), result);
  }

  // A column pasted where no row is edited, or dropped as text or as a file in either encoding,
  // becomes rows at the end of the tape, which the recovery file keeps and one undo takes back.
  void ColumnPastedOrDropped_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("column");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("result");
    const QByteArray statement =
        "Factura 17\t1.234,56 \xe2\x82\xac\r\nDevoluci\xc3\xb3n\t12,50-\r\n";
    QTest::newRow("pasted on the tape") << "tape" << statement << "5|1234.56|12.50"
                                        << "1227.06";
    QTest::newRow("pasted in the result box")
        << "result" << QByteArray("2,000\n1.5\nx\n") << "5|2000|1.5"
        << "2006.5";
    QTest::newRow("dropped text") << "text" << statement << "5|1234.56|12.50"
                                  << "1227.06";
    QTest::newRow("dropped UTF-8 file") << "cifras.csv"
                                        << "\xef\xbb\xbf" + statement << "5|1234.56|12.50"
                                        << "1227.06";
    QTest::newRow("dropped Windows-1252 file")
        << "cifras.txt" << QByteArray("Total;(1.234,56 \x80)\r\n") << "5|1234.56"
        << "-1229.56";
  }
  void ColumnPastedOrDropped() {
    QFETCH(QString, how);
    QFETCH(QByteArray, column);
    QFETCH(QString, rows);
    QFETCH(QString, result);
    TapeWindow& w = *window_;
    PressKeys(w, "5");
    const QString before = TapeSnapshot(w);
    QMimeData dropped;
    if (how == "tape" || how == "result") {
      (how == "tape" ? static_cast<QWidget*>(w.tapeView) : w.resultBox)->setFocus();
      Paste(QString::fromUtf8(column));
    } else if (how == "text") {
      dropped.setText(QString::fromUtf8(column));
    } else {
      const std::filesystem::path file = folder_.Path() / how.toStdString();
      QFile out(file);
      QVERIFY(out.open(QIODevice::WriteOnly) && out.write(column) == column.size());
      out.close();
      dropped.setUrls({QUrl::fromLocalFile(QString::fromStdU16String(file.u16string()))});
    }
    if (how != "tape" && how != "result") {
      const QPoint at = w.tapeView->mapTo(&w, w.tapeView->rect().center());
      QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
      QApplication::sendEvent(&w, &enter);
      QVERIFY(enter.isAccepted());
      QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
      QApplication::sendEvent(&w, &drop);
    }
    QCOMPARE(QString::fromStdString(RowTexts(w)), rows);
    QCOMPARE(w.resultBox->Text(), result);
    QCOMPARE(TapeSnapshot(TapeWindow(folder_.Path())), TapeSnapshot(w));
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(TapeSnapshot(w), before);
  }

  // Ctrl+C copies the result as a spreadsheet in Spanish reads it, or nothing while it is an
  // error, also from an entry with nothing selected; Ctrl+Shift+C copies the saved report's text.
  void CopyResultAndTape() {
    TapeWindow& w = *window_;
    QClipboard* clipboard = QApplication::clipboard();
    PressKeys(w, "1234,5+1000*2");
    QTest::mouseClick(w.tapeView, Qt::LeftButton, {}, CentreInViewport(w, 1, RowPart::Entry));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("4469"));
    PressKeys(w, ",5");
    QTest::keyClick(w.tapeView, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("5586,25"));
    QTest::keyClick(w.tapeView, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString tape = clipboard->text();
    // The clipboard has the system's line breaks, the report CR LF.
#ifdef Q_OS_WIN
    const QString lineBreak = QStringLiteral("\r\n");
#else
    const QString lineBreak = QStringLiteral("\n");
#endif
    QCOMPARE(tape, SaveAndCloseViewer(w).text.replace(QStringLiteral("\r\n"), lineBreak));
    PressKeys(w, "/0");
    QCOMPARE(w.resultBox->Text(), QStringLiteral("ERROR"));
    QTest::keyClick(w.tapeView, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), tape);
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
