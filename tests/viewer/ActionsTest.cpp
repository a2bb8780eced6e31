// SPDX-License-Identifier: MIT
// The viewer's keys: dated copies, the clipboard, the text editor, the font size, deleting.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QMimeData>
#include <QTest>
#include <optional>
#include <vector>

#include "Suites.h"
#include "support/FileSizeLimit.h"
#include "support/ViewerFolder.h"
#include "viewer/EditorCommand.h"

Q_DECLARE_METATYPE(cinta::DesktopSystem)

namespace cinta {
namespace {

struct Launch {
  QString program;
  QStringList arguments;
};

// Records what the viewer would start instead of starting a real editor.
void RecordLaunches(ReportViewer& viewer, std::vector<Launch>& launches) {
  viewer.SetProgramLauncher([&launches](const QString& program, const QStringList& arguments) {
    launches.push_back({program, arguments});
  });
}

QByteArray EveryByte() {
  QByteArray bytes;
  for (int byte = 0; byte < 256; ++byte) bytes.append(static_cast<char>(byte));
  return bytes;
}

ReportViewer::Clock FixedClock(const QDateTime& when) {
  return [when] { return when; };
}

// Takes the write permission off a folder until destroyed.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& path) : path_(path), saved_(QFile::permissions(path)) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  }
  ~ReadOnlyFolder() { QFile::setPermissions(path_, saved_); }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  QString path_;
  QFileDevice::Permissions saved_;
};

}  // namespace

class ActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void SavesADatedCopy_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("name");
    QTest::newRow("single-digit month parts")
        << QDateTime(QDate(2011, 12, 6), QTime(9, 5)) << "2011-12-6--9-5";
    QTest::newRow("new year just after midnight")
        << QDateTime(QDate(2012, 1, 1), QTime(0, 7)) << "2012-1-1--0-7";
    QTest::newRow("two digits everywhere")
        << QDateTime(QDate(2099, 11, 30), QTime(23, 59)) << "2099-11-30--23-59";
  }
  void SavesADatedCopy() {
    QFETCH(QDateTime, when);
    QFETCH(QString, name);
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path(), "\r\n  1)  5\r\n", FixedClock(when));
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    QCOMPARE(folder.SavedNames(), QStringList{name});
    QCOMPARE(folder.Read("operaciones/" + name), QByteArray("\r\n  1)  5\r\n"));
    QCOMPARE(ListedNames(*viewer), QStringList{name});
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("\r\n  1)  5\r\n"));
  }

  void TwoCopiesInOneMinuteAreBothKept() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path(), "primera",
                                   FixedClock(QDateTime(QDate(2011, 12, 6), QTime(9, 5, 1))));
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    viewer->reportText->SetText("segunda");
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    QCOMPARE(ListedNames(*viewer), QStringList({"2011-12-6--9-5", "2011-12-6--9-5 (2)"}));
    QCOMPARE(folder.Read("operaciones/2011-12-6--9-5"), QByteArray("primera"));
    QCOMPARE(folder.Read("operaciones/2011-12-6--9-5 (2)"), QByteArray("segunda"));
  }

  void AnUneditedFileIsWrittenBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a report") << QByteArray("\r\n  1)  5\r\n\r\n---\r\n  Resultado  5\r\n");
    QTest::newRow("mixed line breaks") << QByteArray("a\r\nb\nc\rd\n\re\r\r\n\n");
    QTest::newRow("every byte") << EveryByte();
    QTest::newRow("no final break") << QByteArray("sin fin\r\nde l\xEDnea");
    QTest::newRow("empty") << QByteArray("");
  }
  void AnUneditedFileIsWrittenBackByteForByte() {
    QFETCH(QByteArray, bytes);
    ViewerFolder folder;
    folder.Write("operaciones/original", bytes);
    const auto viewer =
        OpenViewer(folder.Path(), "otro texto", FixedClock(QDateTime(QDate(2020, 2, 3), {4, 5})));
    std::vector<Launch> launches;
    RecordLaunches(*viewer, launches);
    QVERIFY(ClickListed(*viewer, "original"));
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    QTest::mouseClick(viewer->editorKey, Qt::LeftButton);
    QCOMPARE(folder.Read("operaciones/2020-2-3--4-5"), bytes);
    QCOMPARE(folder.Read("operaciones/original"), bytes);
    QCOMPARE(launches.size(), std::size_t{1});
  }

  void TypedLineBreaksAreCrLf() {
    ViewerFolder folder;
    const auto viewer =
        OpenViewer(folder.Path(), "a\nb", FixedClock(QDateTime(QDate(2020, 2, 3), {4, 5})));
    viewer->reportText->moveCursor(QTextCursor::End);
    QTest::keyClick(viewer->reportText, Qt::Key_Return);
    QTest::keyClicks(viewer->reportText, "c");
    QTest::keyClick(viewer->reportText, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(viewer->reportText, "d");
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    QCOMPARE(folder.Read("operaciones/2020-2-3--4-5"), QByteArray("a\nb\r\nc\r\nd"));
  }

  void CharactersOutsideWindows1252AreSavedAsQuestionMarks() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path(), "5 € · ñ → 日本\r\n",
                                   FixedClock(QDateTime(QDate(2020, 2, 3), {4, 5})));
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    QCOMPARE(folder.Read("operaciones/2020-2-3--4-5"), QByteArray("5 \x80 \xB7 \xF1 ? ??\r\n"));
  }

  // A copy that cannot be written leaves every file as it was and says why, until a copy is
  // written again.
  void ACopyThatCannotBeWrittenSaysWhy_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("said");
    QTest::newRow("folder missing") << "missing"
                                    << "No se pudo guardar la copia.";
    QTest::newRow("a file in its place") << "file"
                                         << "No se pudo guardar la copia.";
    QTest::newRow("read-only folder")
        << "read-only"
        << "No se pudo guardar la copia: no hay permiso para escribir.";
#if defined(Q_OS_UNIX)
    QTest::newRow("full disk") << "full disk"
                               << "No se pudo guardar la copia: el disco está lleno.";
#endif
  }
  void ACopyThatCannotBeWrittenSaysWhy() {
    QFETCH(QString, fault);
    QFETCH(QString, said);
    ViewerFolder folder;
    const QString operaciones = folder.FilePath("operaciones");
    if (fault == "missing" || fault == "file") QVERIFY(QDir(operaciones).removeRecursively());
    if (fault == "file") folder.Write("operaciones", "no soy una carpeta");
    const auto viewer = OpenViewer(folder.Path(), "texto");
    QVERIFY(viewer->writeFailure->isHidden());
    const QStringList before =
        QDir(folder.FilePath(".")).entryList(QDir::AllEntries | QDir::Hidden);
    {
      std::optional<ReadOnlyFolder> readOnly;
      if (fault == "read-only") {
        readOnly.emplace(operaciones);
        if (QFile(operaciones + "/prueba").open(QIODevice::WriteOnly))
          QSKIP("permissions do not bind root; ReportViewer_unprivileged runs this as user 65534");
      }
#if defined(Q_OS_UNIX)
      std::optional<FileSizeLimit> fullDisk;
      if (fault == "full disk") fullDisk.emplace(2);
#endif
      QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    }
    QCOMPARE(QDir(folder.FilePath(".")).entryList(QDir::AllEntries | QDir::Hidden), before);
    QVERIFY(fault == "file" || folder.SavedNames().isEmpty());
    QVERIFY(ListedNames(*viewer).isEmpty());
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("texto"));
    QVERIFY(!viewer->writeFailure->isHidden());
    QCOMPARE(viewer->writeFailure->Text(), said);

    QVERIFY(!QFileInfo(operaciones).isFile() || QFile::remove(operaciones));
    QVERIFY(QDir(folder.FilePath(".")).mkpath(QStringLiteral("operaciones")));
    QTest::mouseClick(viewer->saveCopyKey, Qt::LeftButton);
    QCOMPARE(ListedNames(*viewer).size(), 1);
    QVERIFY(viewer->writeFailure->isHidden());
  }

  void TheFontSizeCyclesFrom12To22() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path());
    QList<int> sizes;
    for (int press = 0; press < 8; ++press) {
      QTest::mouseClick(viewer->fontSizeKey, Qt::LeftButton);
      sizes << QFontInfo(viewer->reportText->font()).pointSize();
    }
    QCOMPARE(sizes, QList<int>({20, 22, 12, 14, 16, 18, 20, 22}));
  }

  void DeletesTheSelectedFileAndKeepsItsText() {
    ViewerFolder folder;
    folder.Write("operaciones/guardada", "guardada\r\n");
    folder.Write("operaciones/otra", "otra");
    const auto viewer = OpenViewer(folder.Path());
    QVERIFY(ClickListed(*viewer, "guardada"));
    QTest::mouseClick(viewer->deleteKey, Qt::LeftButton);
    QCOMPARE(folder.SavedNames(), QStringList{"otra"});
    QCOMPARE(ListedNames(*viewer), QStringList{"otra"});
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("guardada\r\n"));
    // Nothing is selected after the refresh, so a press now deletes nothing.
    QTest::mouseClick(viewer->deleteKey, Qt::LeftButton);
    QCOMPARE(folder.SavedNames(), QStringList{"otra"});
  }

  void NeverDeletesAFolderThatTookTheFilesPlace() {
    ViewerFolder folder;
    folder.Write("operaciones/una", "1");
    const auto viewer = OpenViewer(folder.Path());
    QVERIFY(ClickListed(*viewer, "una"));
    const QString path = folder.FilePath("operaciones/una");
    QVERIFY(QFile::remove(path) && QDir().mkdir(path));
    QTest::mouseClick(viewer->deleteKey, Qt::LeftButton);
    QVERIFY(QFileInfo(path).isDir());
  }

  // Qt's Windows clipboard adds a CR before every LF without one, so CR LF arrives unchanged.
  void CopiesTheShownTextAsPlainTextWithTheSystemsLineEnds_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("unixText");
    QTest::addColumn<QString>("windowsText");
    QTest::newRow("a report") << "\r\n  1) Suma  5 €\r\n"
                              << "\n  1) Suma  5 €\n"
                              << "\r\n  1) Suma  5 €\r\n";
    QTest::newRow("every kind of line end") << "a\r\nb\nc\rd\n\re\r\r\n"
                                            << "a\nb\nc\nd\n\ne\n\n"
                                            << "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n\r\n";
    QTest::newRow("no line end") << "5 €"
                                 << "5 €"
                                 << "5 €";
  }
  void CopiesTheShownTextAsPlainTextWithTheSystemsLineEnds() {
    QFETCH(QString, shown);
    QFETCH(QString, unixText);
    QFETCH(QString, windowsText);
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path(), shown.toStdString());
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::mouseClick(viewer->copyKey, Qt::LeftButton);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data != nullptr);
#ifdef Q_OS_WIN
    QCOMPARE(data->text(), windowsText);
#else
    QCOMPARE(data->text(), unixText);
#endif
    QVERIFY(!data->hasHtml());
    QCOMPARE(viewer->reportText->Text(), shown);
  }

  void OpensTheRewrittenLogInTheEditor() {
    ViewerFolder folder;
    // Spaces, quotes and shell syntax in the program folder must reach the editor literally.
#ifdef Q_OS_WIN
    // Windows allows no double quote in a name; the rest is what its command line splits on.
    const QString odd = QStringLiteral("mi carpeta 'rara'; $(touch x) & y");
#else
    const QString odd = QStringLiteral("mi \"carpeta\" 'rara'; $(touch x) & y");
#endif
    QVERIFY(QDir(folder.FilePath(".")).mkdir(odd));
    const std::filesystem::path programDir = folder.Path() / odd.toStdString();
    std::filesystem::create_directory(programDir / "operaciones");
    const auto viewer = OpenViewer(programDir, "editado \xC3\xB1\r\n");
    std::vector<Launch> launches;
    RecordLaunches(*viewer, launches);
    QTest::mouseClick(viewer->editorKey, Qt::LeftButton);
    QCOMPARE(folder.Read(odd + "/operacion.txt"), QByteArray("editado \xF1\r\n"));
    QCOMPARE(launches.size(), std::size_t{1});
    const EditorCommand expected =
        TextEditorCommand(CurrentDesktopSystem(), programDir / "operacion.txt");
    QCOMPARE(launches[0].program, expected.program);
    QCOMPARE(launches[0].arguments.last(),
             QDir::toNativeSeparators(folder.FilePath(odd + "/operacion.txt")));
    QCOMPARE(launches[0].arguments, expected.arguments);
  }

  // The editor opens the file whose text is shown, written with that text first; an older copy
  // never replaces today's report. A copy deleted meanwhile becomes a new dated copy, shown
  // selected, rather than coming back under its old name.
  void TheEditorKeyOpensTheFileOfTheShownText_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("opened");
    QTest::newRow("the report") << ""
                                << "operacion.txt";
    QTest::newRow("a saved copy") << "kept"
                                  << "operaciones/2026-12-2--9-5";
    QTest::newRow("a copy deleted with the eraser") << "erased"
                                                    << "operaciones/2026-12-10--8-0";
    QTest::newRow("a copy deleted by another program") << "removed"
                                                       << "operaciones/2026-12-10--8-0";
  }
  void TheEditorKeyOpensTheFileOfTheShownText() {
    QFETCH(QString, shown);
    QFETCH(QString, opened);
    ViewerFolder folder;
    folder.Write("operacion.txt", "hoy\r\n");
    folder.Write("operaciones/2026-12-2--9-5", "antigua\r\n");
    const auto viewer = OpenViewer(folder.Path(), "hoy\r\n",
                                   FixedClock(QDateTime(QDate(2026, 12, 10), QTime(8, 0))));
    std::vector<Launch> launches;
    RecordLaunches(*viewer, launches);
    if (!shown.isEmpty()) QVERIFY(ClickListed(*viewer, "2026-12-2--9-5"));
    if (shown == "erased") QTest::mouseClick(viewer->deleteKey, Qt::LeftButton);
    if (shown == "removed") QVERIFY(QFile::remove(folder.FilePath("operaciones/2026-12-2--9-5")));
    viewer->reportText->moveCursor(QTextCursor::End);
    QTest::keyClicks(viewer->reportText, "editada");
    const QByteArray edited = viewer->reportText->Text().toLatin1();
    QTest::mouseClick(viewer->editorKey, Qt::LeftButton);
    QCOMPARE(folder.Read(opened), edited);
    if (opened != "operacion.txt") QCOMPARE(folder.Read("operacion.txt"), QByteArray("hoy\r\n"));
    QCOMPARE(launches.size(), std::size_t{1});
    QCOMPARE(launches[0].arguments.last(), QDir::toNativeSeparators(folder.FilePath(opened)));
    const QStringList saved = folder.SavedNames();
    QCOMPARE(saved.contains("2026-12-2--9-5"), shown != "erased" && shown != "removed");
    QCOMPARE(saved.size(), 1);
    QCOMPARE(viewer->savedCopies->FileName(), shown.isEmpty() ? QString() : saved.first());
    QCOMPARE(viewer->reportText->Text(), QString::fromLatin1(edited));
  }

  void TheEditorCommandSuitsTheSystem_data() {
    QTest::addColumn<DesktopSystem>("system");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    const QString log = QDir::toNativeSeparators(QStringLiteral("/a b/\"c\"/operacion.txt"));
    QTest::newRow("Windows: notepad")
        << DesktopSystem::Windows << "notepad.exe" << QStringList{log};
    QTest::newRow("macOS: open -t") << DesktopSystem::MacOs << "open" << QStringList{"-t", log};
    QTest::newRow("Linux: xdg-open") << DesktopSystem::Linux << "xdg-open" << QStringList{log};
  }
  void TheEditorCommandSuitsTheSystem() {
    QFETCH(DesktopSystem, system);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const EditorCommand command = TextEditorCommand(system, "/a b/\"c\"/operacion.txt");
    QCOMPARE(command.program, program);
    QCOMPARE(command.arguments, arguments);
  }

  // A program folder an administrator set up may refuse new files and still let the user write
  // the log: it is rewritten in place then. A log that cannot be written keeps the old text, and
  // the editor would show that old text as if it were the shown one, so it is not opened.
  void TheEditorKeyRewritesTheLogWhereverItMay_data() {
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<bool>("written");
    QTest::newRow("read-only program folder, writable log") << "read-only folder" << true;
    QTest::newRow("read-only program folder and log") << "read-only folder and log" << false;
#if defined(Q_OS_UNIX)
    QTest::newRow("full disk") << "full disk" << false;
#endif
  }
  void TheEditorKeyRewritesTheLogWhereverItMay() {
    QFETCH(QString, setUp);
    QFETCH(bool, written);
    ViewerFolder folder;
    folder.Write("operacion.txt", "el registro anterior\r\n");
    const QByteArray shown(8192, 'n');
    const auto viewer = OpenViewer(folder.Path(), shown.toStdString());
    std::vector<Launch> launches;
    RecordLaunches(*viewer, launches);
    if (setUp.startsWith("read-only")) {
      if (setUp.endsWith("log"))
        QFile::setPermissions(folder.FilePath("operacion.txt"), QFileDevice::ReadOwner);
      const ReadOnlyFolder readOnly(folder.FilePath("."));
      if (QFile(folder.FilePath("prueba")).open(QIODevice::WriteOnly))
        QSKIP("permissions do not bind root; ReportViewer_unprivileged runs this as user 65534");
      QTest::mouseClick(viewer->editorKey, Qt::LeftButton);
    }
#if defined(Q_OS_UNIX)
    if (setUp == "full disk") {
      const FileSizeLimit full(4096);
      QTest::mouseClick(viewer->editorKey, Qt::LeftButton);
    }
#endif
    QCOMPARE(folder.Read("operacion.txt"), written ? shown : "el registro anterior\r\n");
    // No temporary file is left behind either.
    QCOMPARE(QDir(folder.FilePath("."))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"operacion.txt", "operaciones"}));
    QCOMPARE(launches.size(), std::size_t{written ? 1U : 0U});
  }
};

int RunActionsTest(int argc, char** argv) {
  ActionsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "ActionsTest.moc"
