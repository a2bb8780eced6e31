// SPDX-License-Identifier: MIT
#include <QClipboard>
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

class LongInputTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  void MegabytePastedIntoAnEntryField_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::newRow("leading zeros") << QString(kMegabyte, u'0') + "1.5"
                                   << "3.5";
    QTest::newRow("a million nines overflow") << QString(kMegabyte, u'9') << "ERROR";
    // A number is read from the start of the text, so text without one counts as 0.
    QTest::newRow("not a number") << QString(kMegabyte, u'x') << "2";
  }
  void MegabytePastedIntoAnEntryField() {
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    Form1& w = *window_;
    QTest::mouseClick(w.Picture1, Qt::LeftButton, {}, CentreInViewport(w, w.Text1(0)));
    Paste(pasted);
    QCOMPARE(w.Text1(0).Text().size(), static_cast<std::size_t>(pasted.size()));
    PressKeys(w, "+2");
    QCOMPARE(w.Text2->Text(), result);
    QVERIFY(SaveAndCloseViewer(w).opened);
    // The whole text is in the report, on the first row's line.
    const auto size = std::filesystem::file_size(folder_.Path() / "operacion.txt");
    QVERIFY(size > static_cast<std::uintmax_t>(pasted.size()));
    QVERIFY(size < static_cast<std::uintmax_t>(pasted.size()) + 200);
  }

  void MegabytePastedIntoTheResultBox() {
    Form1& w = *window_;
    PressKeys(w, "4+5");
    w.Text2->setFocus();
    w.Text2->selectAll();
    const QString pasted = QString(kMegabyte, u'7') + ",25";
    Paste(pasted);
    QCOMPARE(w.Text2->Text(), pasted);
    const ViewerSeen seen = SaveAndCloseViewer(w);
    // A typed comma aligns the result on column 27, so the text starts in column 1.
    QVERIFY(seen.text.endsWith(QStringLiteral("------------------------------\r\n") + pasted +
                               QStringLiteral("\r\n")));
    // The next key evaluates the tape again and replaces the pasted text.
    PressKeys(w, "1");
    QCOMPARE(w.Text2->Text(), QStringLiteral("55"));
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<Form1> window_;
};

int RunLongInputTest(int argc, char** argv) {
  LongInputTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "LongInputTest.moc"
