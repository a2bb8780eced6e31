// SPDX-License-Identifier: MIT
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Form2/FileText.h"
#include "Form2/Form2.h"
#include "Suites.h"
#include "support/FileSizeLimit.h"
#include "support/WindowHarness.h"
#include "textfile/Windows1252.h"

namespace cinta {
namespace {

std::string Spaces(int count) {
  return std::string(static_cast<std::size_t>(count), ' ');
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Rows 12.5, + 3 and x 1250.5 with the shipped names; "Multiplicación" in Windows-1252. The
// edit view's result aligns on a typed comma, and a computed result has none.
constexpr const char* kKeys = "12,5+3*1250,5";
const std::string kEditReport = "\r\n" + std::string(" 1 )") + Spaces(20) + "12.5\r\n" +
                                " 2 ) Suma" + Spaces(16) + "3\r\n" + " 3 ) Multiplicaci\xF3n" +
                                Spaces(3) + "1250.5\r\n" + "\r\n" + std::string(30, '-') + "\r\n" +
                                Spaces(18) + "19382.75\r\n";
// The third value would start left of where the name ends, so it moves to a line of its own.
const std::string kFormattedReport =
    "\r\n" + std::string(" 1 )") + Spaces(17) + "12,50\r\n" + " 2 ) Suma" + Spaces(13) +
    "3,00\r\n" + " 3 ) Multiplicaci\xF3n\r\n" + Spaces(18) + "1.250,50\r\n" + "\r\n" +
    std::string(30, '-') + "\r\n" + Spaces(17) + "19.382,75\r\n";

}  // namespace

class SaveKeyTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    std::filesystem::remove_all(folder_.Path() / "operacion.txt");
    window_ = OpenWindow(folder_);
  }
  void cleanup() { window_.reset(); }

  void WritesTheReportAndShowsIt_data() {
    QTest::addColumn<QString>("formatKey");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("edit view aligns decimal points")
        << "" << QByteArray::fromStdString(kEditReport);
    QTest::newRow("formatted view aligns right ends")
        << "a" << QByteArray::fromStdString(kFormattedReport);
  }
  void WritesTheReportAndShowsIt() {
    QFETCH(QString, formatKey);
    QFETCH(QByteArray, expected);
    Form1& w = *window_;
    PressKeys(w, kKeys);
    PressKeys(w, formatKey.toStdString());
    bool failureSaid = true;
    const ViewerSeen seen =
        SaveAndCloseViewer(w, [&](Form2& viewer) { failureSaid = viewer.WriteFailure->Visible(); });
    QCOMPARE(QByteArray::fromStdString(ReadBytes(folder_.Path() / "operacion.txt")), expected);
    QVERIFY(seen.opened);
    QVERIFY(!failureSaid);
    QCOMPARE(seen.text, QString::fromStdString(DecodeWindows1252(expected.toStdString())));
    QCOMPARE(seen.geometry, w.frameGeometry());
  }

  void SavingLeavesTheTapeAsItWas() {
    Form1& w = *window_;
    PressKeys(w, "7-2,5%");
    const std::string rows = RowTexts(w);
    const QString result = w.Text2->Text();
    QVERIFY(SaveAndCloseViewer(w).opened);
    QCOMPARE(RowTexts(w), rows);
    QCOMPARE(w.CurrentRow(), 2);
    QCOMPARE(w.Text2->Text(), result);
    QVERIFY(w.Text1(0).Visible());
    // The tape goes on from where it was.
    PressKeys(w, "+1");
    QCOMPARE(w.CurrentRow(), 3);
  }

  void SavingAgainReplacesTheReport() {
    Form1& w = *window_;
    PressKeys(w, "1+2+3+4");
    SaveAndCloseViewer(w);
    PressKeys(w, "+5");
    SaveAndCloseViewer(w);
    const std::string bytes = ReadBytes(folder_.Path() / "operacion.txt");
    // Five rows, once: the blank line, five row lines, the blank line, the rule, the result.
    QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 9);
    QVERIFY(bytes.ends_with("\r\n" + Spaces(24) + "15\r\n"));
  }

  void ReportThatCannotBeWrittenIsStillShown() {
    Form1& w = *window_;
    // A folder where the log belongs: nothing can replace it.
    std::filesystem::create_directories(folder_.Path() / "operacion.txt" / "keep");
    PressKeys(w, kKeys);
    QString failure;
    const ViewerSeen seen = SaveAndCloseViewer(w, [&](Form2& viewer) {
      if (viewer.WriteFailure->Visible()) failure = viewer.WriteFailure->Caption();
    });
    QVERIFY(seen.opened);
    QCOMPARE(seen.text, QString::fromStdString(DecodeWindows1252(kEditReport)));
    // Windows reports a folder in the way as a denied access, Linux as no reason it names.
    QVERIFY2(failure.startsWith(QStringLiteral("No se pudo guardar operacion.txt")),
             qPrintable(failure));
    QVERIFY(std::filesystem::is_directory(folder_.Path() / "operacion.txt" / "keep"));
  }

  // Rows named by a 64 000-character operator name make a report larger than the viewer reads
  // from a file. The viewer still shows it whole, so its editor and copy keys write it back
  // whole, never an empty text.
  void ReportLargerThanTheViewerReadsIsShownAndKept() {
    ProgramFolder folder;
    folder.WriteConfiguration("inicio.txt", QByteArray(64000, 'S') + "\r\n");
    const std::unique_ptr<Form1> window = OpenWindow(folder);
    PressKeys(*window, std::string(300, '+'));
    const std::filesystem::path log = folder.Path() / "operacion.txt";
    std::string saved;
    int editorsStarted = 0;
    const ViewerSeen seen = SaveAndCloseViewer(*window, [&](Form2& viewer) {
      saved = ReadBytes(log);
      viewer.SetProgramLauncher([&](const QString&, const QStringList&) { ++editorsStarted; });
      QTest::mouseClick(&viewer.Command1(3), Qt::LeftButton);
      QTest::mouseClick(&viewer.Command1(0), Qt::LeftButton);
    });
    QVERIFY(saved.size() > kMaxShownFileBytes);
    QVERIFY(seen.text == QString::fromStdString(saved));
    QCOMPARE(editorsStarted, 1);
    QVERIFY(ReadBytes(log) == saved);
    const QFileInfoList copies = QDir(folder.Path() / "operaciones").entryInfoList(QDir::Files);
    QCOMPARE(copies.size(), 1);
    QVERIFY(ReadBytes(copies[0].filesystemFilePath()) == saved);
  }

#ifdef Q_OS_UNIX
  void FullDiskKeepsTheOldReport() {
    Form1& w = *window_;
    const std::string old = "\r\n 1 )  old\r\n";
    std::ofstream(folder_.Path() / "operacion.txt", std::ios::binary) << old;
    PressKeys(w, kKeys);
    // A file size limit below the report's size fails the write as a full disk does.
    QString failure;
    const ViewerSeen seen = [&] {
      const FileSizeLimit fullDisk(64);
      return SaveAndCloseViewer(w, [&](Form2& viewer) {
        if (viewer.WriteFailure->Visible()) failure = viewer.WriteFailure->Caption();
      });
    }();
    QCOMPARE(ReadBytes(folder_.Path() / "operacion.txt"), old);
    QCOMPARE(seen.text, QString::fromStdString(DecodeWindows1252(kEditReport)));
    QCOMPARE(failure, QStringLiteral("No se pudo guardar operacion.txt: el disco está lleno."));
  }
#endif

 private:
  ProgramFolder folder_;
  std::unique_ptr<Form1> window_;
};

int RunSaveKeyTest(int argc, char** argv) {
  SaveKeyTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "SaveKeyTest.moc"
