// SPDX-License-Identifier: MIT
// On a 200% screen the windows draw the twice-sized twins of their pictures, so faces stay sharp,
// while every control keeps its size in logical pixels.
#include <QtTest>

#include "support/ProgramFolder.h"
#include "support/WindowHarness.h"
#include "tapewindow/KeyTable.h"
#include "viewer/ReportViewer.h"

namespace cinta {

class HighDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

  void MainWindowKeysShowSharpPictures() {
    ProgramFolder folder;
    const auto window = OpenWindow(folder);
    const QPixmap& seven = window->digitKeys(7).Picture();
    QCOMPARE(seven.devicePixelRatio(), 2.0);
    QCOMPARE(window->saveKey->Picture().devicePixelRatio(), 2.0);
    QCOMPARE(window->paletteKeys(5).Picture().devicePixelRatio(), 2.0);
    QCOMPARE(window->digitKeys(7).geometry(), DeclarationOf(DigitKey(7)).place.ToPixels());
    // The painted key has twice the pixels of its logical size.
    QCOMPARE(window->digitKeys(7).grab().size(), window->digitKeys(7).size() * 2);
  }

  void ViewerKeysShowSharpPictures() {
    ProgramFolder folder;
    ReportViewer viewer(folder.Path(), QRect(), {});
    QCOMPARE(viewer.printKey->Picture().devicePixelRatio(), 2.0);
    QCOMPARE(viewer.deleteKey->Picture().devicePixelRatio(), 2.0);
  }
};

}  // namespace cinta

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  cinta::HighDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HighDpiTest.moc"
