// SPDX-License-Identifier: MIT
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Suites.h"
#include "support/FileSizeLimit.h"
#include "support/WindowHarness.h"
#include "textfile/Windows1252.h"
#include "viewer/FileText.h"
#include "viewer/ReportViewer.h"

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
    TapeWindow& w = *window_;
    PressKeys(w, kKeys);
    PressKeys(w, formatKey.toStdString());
    bool failureSaid = true;
    const ViewerSeen seen = SaveAndCloseViewer(
        w, [&](ReportViewer& viewer) { failureSaid = viewer.writeFailure->Visible(); });
    QCOMPARE(QByteArray::fromStdString(ReadBytes(folder_.Path() / "operacion.txt")), expected);
    QVERIFY(seen.opened);
    QVERIFY(!failureSaid);
    QCOMPARE(seen.text, QString::fromStdString(DecodeWindows1252(expected.toStdString())));
    QCOMPARE(seen.geometry, w.frameGeometry());
  }

  void SavingLeavesTheTapeAsItWas() {
    TapeWindow& w = *window_;
    PressKeys(w, "7-2,5%");
    const std::string rows = RowTexts(w);
    const QString result = w.resultBox->Text();
    QVERIFY(SaveAndCloseViewer(w).opened);
    QCOMPARE(RowTexts(w), rows);
    QCOMPARE(w.LastRow(), 2);
    QCOMPARE(w.resultBox->Text(), result);
    QVERIFY(w.rowEntries(0).Visible());
    // The tape goes on from where it was.
    PressKeys(w, "+1");
    QCOMPARE(w.LastRow(), 3);
  }

  void SavingAgainReplacesTheReport() {
    TapeWindow& w = *window_;
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
    TapeWindow& w = *window_;
    // A folder where the log belongs: nothing can replace it.
    std::filesystem::create_directories(folder_.Path() / "operacion.txt" / "keep");
    PressKeys(w, kKeys);
    QString failure;
    const ViewerSeen seen = SaveAndCloseViewer(w, [&](ReportViewer& viewer) {
      if (viewer.writeFailure->Visible()) failure = viewer.writeFailure->Caption();
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
    const std::unique_ptr<TapeWindow> window = OpenWindow(folder);
    PressKeys(*window, std::string(300, '+'));
    const std::filesystem::path log = folder.Path() / "operacion.txt";
    std::string saved;
    int editorsStarted = 0;
    const ViewerSeen seen = SaveAndCloseViewer(*window, [&](ReportViewer& viewer) {
      saved = ReadBytes(log);
      viewer.SetProgramLauncher([&](const QString&, const QStringList&) { ++editorsStarted; });
      QTest::mouseClick(&viewer.actionKeys(3), Qt::LeftButton);
      QTest::mouseClick(&viewer.actionKeys(0), Qt::LeftButton);
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
    TapeWindow& w = *window_;
    const std::string old = "\r\n 1 )  old\r\n";
    std::ofstream(folder_.Path() / "operacion.txt", std::ios::binary) << old;
    PressKeys(w, kKeys);
    // A file size limit below the report's size fails the write as a full disk does.
    QString failure;
    const ViewerSeen seen = [&] {
      const FileSizeLimit fullDisk(64);
      return SaveAndCloseViewer(w, [&](ReportViewer& viewer) {
        if (viewer.writeFailure->Visible()) failure = viewer.writeFailure->Caption();
      });
    }();
    QCOMPARE(ReadBytes(folder_.Path() / "operacion.txt"), old);
    QCOMPARE(seen.text, QString::fromStdString(DecodeWindows1252(kEditReport)));
    QCOMPARE(failure, QStringLiteral("No se pudo guardar operacion.txt: el disco está lleno."));
  }
#endif

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunSaveKeyTest(int argc, char** argv) {
  SaveKeyTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "SaveKeyTest.moc"
