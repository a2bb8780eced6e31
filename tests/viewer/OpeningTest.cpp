// SPDX-License-Identifier: MIT
// Opening the viewer, the file list and what selecting a file shows.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "Suites.h"
#include "support/KeyFaces.h"
#include "support/TabWalk.h"
#include "support/ViewerFolder.h"
#include "viewer/DatedCopyOrder.h"

namespace cinta {
namespace {

// A report as the save key hands it over: decoded from Windows-1252, CR LF after every line.
const std::string kLog =
    "\r\n  1)                       12.5\r\n  2) Multiplicación           3\r\n\r\n"
    "------------------------------\r\n  Resultado            37.5 €\r\n";

}  // namespace

class OpeningTest : public QObject {
  Q_OBJECT

 private slots:
  // In a face of fixed pitch, or the report's columns would not line up.
  void ShowsTheReportInAFixedPitchFace() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path(), kLog);
    QCOMPARE(viewer->reportText->Text(), QString::fromStdString(kLog));
    QVERIFY(QFontInfo(viewer->reportText->font()).fixedPitch());
  }

  // The report is handed over by the save key, never read back from operacion.txt.
  void ShowsTheHandedReportNotTheFileOnDisk() {
    ViewerFolder folder;
    folder.Write("operacion.txt", "la operaci\xF3n anterior\r\n");
    const auto viewer = OpenViewer(folder.Path(), "\r\n  1) Suma  5 €\r\n");
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("\r\n  1) Suma  5 €\r\n"));
  }

  void CoversTheOwnerExactly_data() {
    QTest::addColumn<QRect>("owner");
    QTest::newRow("smaller") << QRect(40, 30, 800, 520);
    QTest::newRow("larger, elsewhere") << QRect(-20, 300, 1000, 700);
  }
  void CoversTheOwnerExactly() {
    QFETCH(QRect, owner);
    ViewerFolder folder;
    ReportViewer viewer(folder.Path(), owner, {});
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QCOMPARE(viewer.frameGeometry(), owner);
    QCOMPARE(viewer.Surface()->geometry(), QRect(1, 1, owner.width() - 2, owner.height() - 2));
  }

  // Tab from the text walks every control the viewer shows exactly once, reaches the close key
  // only after all the others and comes back to the text.
  void TabVisitsEveryControlOnceAndTheCloseKeyLast() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path());
    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer.get()));
    QCOMPARE(QApplication::focusWidget(), viewer->reportText);
    const QSet<QWidget*> shown = TabStops(*viewer);
    const QList<QWidget*> visited = TabRound(viewer->reportText, shown.size() + 1);
    QCOMPARE(visited.size(), shown.size());
    QCOMPARE(QSet<QWidget*>(visited.begin(), visited.end()), shown);
    QCOMPARE(visited.last(), viewer->reportText);
    QCOMPARE(visited[visited.size() - 2], viewer->quitKey);
  }

  void EveryKeyReadsItsNameAndPurpose() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path());
    const QList<QAbstractButton*> keys = viewer->Surface()->findChildren<QAbstractButton*>();
    QSet<QString> names;
    for (QAbstractButton* key : keys) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(key);
      QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
      names << accessible->text(QAccessible::Name);
    }
    // Each its own, none left empty.
    QCOMPARE(names.size(), keys.size());
    QVERIFY(!names.contains(QString()));
  }

  // A key's picture blends with the face painted around it: no seam where its edge meets it.
  void PictureMarginsBlendWithTheirFaces() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path());
    const PictureMargins margins = CheckPictureMargins(viewer->Surface());
    QVERIFY(margins.checked > 0);
    QVERIFY2(margins.seams.isEmpty(), qPrintable(margins.seams.join(QLatin1Char('\n'))));
  }

  void EscapeLeavesTheViewerOpen() {
    ViewerFolder folder;
    const auto viewer = OpenViewer(folder.Path());
    QTest::keyClick(viewer->quitKey, Qt::Key_Escape);
    QVERIFY(viewer->isVisible());
  }

  // Dated copies by their date, then the other files as text.
  void ListsOrdinaryFilesDatedCopiesByDate() {
    ViewerFolder folder;
    for (const char* name :
         {"2011-12-6--9-5", "2011-12-10--8-0", "2011-12-6--9-5 (2)", "b", "A", ".oculto"})
      folder.Write(QStringLiteral("operaciones/") + name, "x");
    QDir saved(folder.FilePath("operaciones"));
    QVERIFY(saved.mkdir("carpeta"));
#ifdef Q_OS_WIN
    // Windows hides files by their attributes too, and has no links of this kind (QFile::link
    // makes a shortcut, an ordinary file).
    for (const auto& [name, attribute] : {std::pair{"oculto", FILE_ATTRIBUTE_HIDDEN}, std::pair {
                                            "de sistema",
                                            FILE_ATTRIBUTE_SYSTEM
                                          }}) {
      folder.Write(QStringLiteral("operaciones/") + name, "x");
      QVERIFY(SetFileAttributesW(saved.filePath(name).toStdWString().c_str(), attribute));
    }
    const auto viewer = OpenViewer(folder.Path());
    QCOMPARE(ListedNames(*viewer).join(u'|'),
             QStringLiteral("2011-12-6--9-5|2011-12-6--9-5 (2)|2011-12-10--8-0|A|b"));
#else
    QVERIFY(QFile::link(saved.filePath("carpeta"), saved.filePath("enlace a carpeta")));
    QVERIFY(QFile::link(saved.filePath("b"), saved.filePath("enlace a b")));
    QVERIFY(QFile::link(saved.filePath("perdido"), saved.filePath("enlace roto")));
    const auto viewer = OpenViewer(folder.Path());
    QCOMPARE(ListedNames(*viewer), QStringList({"2011-12-6--9-5", "2011-12-6--9-5 (2)",
                                                "2011-12-10--8-0", "A", "b", "enlace a b"}));
#endif
  }

  void TheOrderOfTheListReadsTheDateInDatedCopies_data() {
    QTest::addColumn<QStringList>("names");  // in the order the folder gives them
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("days and months")
        << QStringList{"2026-12-10--8-0", "2026-12-2--9-5", "2026-2-28--0-0"}
        << QStringList{"2026-2-28--0-0", "2026-12-2--9-5", "2026-12-10--8-0"};
    QTest::newRow("years, hours and minutes")
        << QStringList{"2026-1-1--10-0", "2026-1-1--9-5", "2026-1-1--9-59", "2027-1-1--0-0",
                       "999-1-1--0-0"}
        << QStringList{"999-1-1--0-0", "2026-1-1--9-5", "2026-1-1--9-59", "2026-1-1--10-0",
                       "2027-1-1--0-0"};
    QTest::newRow("later copies of one minute")
        << QStringList{"2026-1-1--9-5", "2026-1-1--9-5 (10)", "2026-1-1--9-5 (2)", "2026-1-1--9-6"}
        << QStringList{"2026-1-1--9-5", "2026-1-1--9-5 (2)", "2026-1-1--9-5 (10)", "2026-1-1--9-6"};
    // Leading zeros, a copy number below 2, anything more or less than a date and a time: the
    // copy key never writes such names.
    const QStringList others =
        QStringLiteral(
            "2026-01-1--9-5|2026-1-1--9|2026-1-1--9-5 (02)|2026-1-1--9-5 (1)|"
            "2026-1-1--9-5 (2|2026-1-1--9-5.txt|2026-1-1-9-5|2026-1-1--9-5000000000|A|notas")
            .split(u'|');
    QTest::newRow("other names last, in their order")
        << QStringList{"2026-1-1--9-5"} + others << QStringList{"2026-1-1--9-5"} + others;
    QTest::newRow("other names before dated copies")
        << others + QStringList{"2026-1-1--9-5"} << QStringList{"2026-1-1--9-5"} + others;
  }
  void TheOrderOfTheListReadsTheDateInDatedCopies() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, listed);
    std::vector<std::string> sorted;
    for (const QString& name : names) sorted.push_back(name.toStdString());
    std::stable_sort(sorted.begin(), sorted.end(), ListedBefore);
    QStringList result;
    for (const std::string& name : sorted) result << QString::fromStdString(name);
    QCOMPARE(result, listed);
  }

  void SelectingAFileShowsIt() {
    ViewerFolder folder;
    folder.Write("operaciones/primera", "uno\r\n\xE1");
    folder.Write("operaciones/segunda", "dos\rdos\n");
    folder.Write("operaciones/vacia", "");
    const auto viewer = OpenViewer(folder.Path());
    QVERIFY(ClickListed(*viewer, "primera"));
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("uno\r\ná"));
    QTest::keyClick(viewer->savedCopies, Qt::Key_Down);
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("dos\rdos\n"));
    QTest::keyClick(viewer->savedCopies, Qt::Key_Down);
    QCOMPARE(viewer->reportText->Text(), QString());
  }

  // Entering the list with Tab selects nothing; the first arrow key then picks the first file,
  // whichever key it is, so that every file can be reached from the keyboard.
  void KeysEnteringTheListStartAtTheFirstFile_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("down") << int(Qt::Key_Down);
    QTest::newRow("up") << int(Qt::Key_Up);
    QTest::newRow("home") << int(Qt::Key_Home);
  }
  void KeysEnteringTheListStartAtTheFirstFile() {
    QFETCH(int, key);
    ViewerFolder folder;
    folder.Write("operaciones/primera", "uno");
    folder.Write("operaciones/segunda", "dos");
    const auto viewer = OpenViewer(folder.Path(), kLog);
    const QString shown = viewer->reportText->Text();
    viewer->savedCopies->setFocus(Qt::TabFocusReason);
    QCOMPARE(viewer->reportText->Text(), shown);
    QTest::keyClick(viewer->savedCopies, Qt::Key(key));
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("uno"));
  }

  void AnUnreadableSelectionKeepsTheText_data() {
    QTest::addColumn<QString>("spoil");
    QTest::newRow("deleted after listing") << "delete";
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("over 16 MiB") << "grow";
  }
  void AnUnreadableSelectionKeepsTheText() {
    QFETCH(QString, spoil);
    ViewerFolder folder;
    folder.Write("operaciones/buena", "buena\r\n");
    folder.Write("operaciones/mala", "mala\r\n");
    const auto viewer = OpenViewer(folder.Path());
    QVERIFY(ClickListed(*viewer, "buena"));
    const QString bad = folder.FilePath("operaciones/mala");
    if (spoil == "delete") QVERIFY(QFile::remove(bad));
    if (spoil == "folder") QVERIFY(QFile::remove(bad) && QDir().mkdir(bad));
    if (spoil == "grow") QVERIFY(QFile(bad).resize(16 * 1024 * 1024 + 1));
    QVERIFY(ClickListed(*viewer, "mala"));
    QCOMPARE(viewer->reportText->Text(), QStringLiteral("buena\r\n"));
  }
};

int RunOpeningTest(int argc, char** argv) {
  OpeningTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "OpeningTest.moc"
