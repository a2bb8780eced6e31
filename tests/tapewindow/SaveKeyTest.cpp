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

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Rows 12.5, + 3 and x 1250.5, the third named "Multiplicación" by the shipped names.
constexpr const char* kKeys = "12,5+3*1250,5";

QString ReportText(const std::filesystem::path& file) {
  return QString::fromStdString(DecodeWindows1252(ReadBytes(file)));
}

// The texts the window shows for the rows and the result, in the view it shows.
QStringList ShownValues(const TapeWindow& window) {
  QStringList values;
  const bool edit = window.resultBox->Visible();
  for (int row = 0; row <= window.LastRow(); ++row) {
    values << QString::fromStdString(edit ? window.Tape().OperandText(row)
                                          : window.Tape().FormattedText(row));
  }
  values << (edit ? window.resultBox->Text() : window.formattedResult->Text());
  return values;
}

}  // namespace

class SaveKeyTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    std::filesystem::remove_all(folder_.Path() / "operacion.txt");
    window_ = OpenWindow(folder_);
  }
  void cleanup() { window_.reset(); }

  // The report holds the tape as the view shown has it, the operator names and the result last;
  // its layout is the report builder's to test.
  void WritesTheReportAndShowsIt_data() {
    QTest::addColumn<QString>("formatKey");
    QTest::newRow("edit view") << "";
    QTest::newRow("formatted view") << "a";
  }
  void WritesTheReportAndShowsIt() {
    QFETCH(QString, formatKey);
    TapeWindow& w = *window_;
    PressKeys(w, kKeys);
    PressKeys(w, formatKey.toStdString());
    bool failureSaid = true;
    const ViewerSeen seen = SaveAndCloseViewer(
        w, [&](ReportViewer& viewer) { failureSaid = viewer.writeFailure->Visible(); });
    const QString report = ReportText(folder_.Path() / "operacion.txt");
    QVERIFY(seen.opened);
    QVERIFY(!failureSaid);
    QCOMPARE(seen.text, report);
    QCOMPARE(seen.geometry, w.frameGeometry());
    QVERIFY(report.contains(QStringLiteral("Multiplicación")));
    const QStringList values = ShownValues(w);
    for (const QString& value : values) QVERIFY2(report.contains(value), qPrintable(value));
    QCOMPARE(report.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).last().trimmed(),
             values.last());
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
    QVERIFY(w.tapeView->Shows(0, RowPart::Entry));
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
    // The same tape saved once in a new window: the rows once, not the old report and the new.
    ProgramFolder other;
    const std::unique_ptr<TapeWindow> fresh = OpenWindow(other);
    PressKeys(*fresh, "1+2+3+4+5");
    SaveAndCloseViewer(*fresh);
    QCOMPARE(ReadBytes(folder_.Path() / "operacion.txt"),
             ReadBytes(other.Path() / "operacion.txt"));
  }

  void ReportThatCannotBeWrittenIsStillShown() {
    TapeWindow& w = *window_;
    // A folder where the log belongs: nothing can replace it.
    std::filesystem::create_directories(folder_.Path() / "operacion.txt" / "keep");
    PressKeys(w, kKeys);
    QString failure;
    const ViewerSeen seen = SaveAndCloseViewer(w, [&](ReportViewer& viewer) {
      if (viewer.writeFailure->Visible()) failure = viewer.writeFailure->Text();
    });
    QVERIFY(seen.opened);
    // Windows reports a folder in the way as a denied access, Linux as no reason it names.
    QVERIFY2(failure.startsWith(QStringLiteral("No se pudo guardar operacion.txt")),
             qPrintable(failure));
    QVERIFY(std::filesystem::is_directory(folder_.Path() / "operacion.txt" / "keep"));
    // What was shown is the report a save that succeeds writes.
    std::filesystem::remove_all(folder_.Path() / "operacion.txt");
    SaveAndCloseViewer(w);
    QCOMPARE(seen.text, ReportText(folder_.Path() / "operacion.txt"));
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
      QTest::mouseClick(viewer.editorKey, Qt::LeftButton);
      QTest::mouseClick(viewer.saveCopyKey, Qt::LeftButton);
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
        if (viewer.writeFailure->Visible()) failure = viewer.writeFailure->Text();
      });
    }();
    QCOMPARE(ReadBytes(folder_.Path() / "operacion.txt"), old);
    QCOMPARE(failure, QStringLiteral("No se pudo guardar operacion.txt: el disco está lleno."));
    SaveAndCloseViewer(w);
    QCOMPARE(seen.text, ReportText(folder_.Path() / "operacion.txt"));
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
