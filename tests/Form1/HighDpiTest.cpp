// SPDX-License-Identifier: MIT
// On a 200% screen the windows draw the twice-sized twins of their pictures, so faces stay sharp,
// while every control keeps its size in logical pixels.
#include <QtTest>

#include "Form2/Form2.h"
#include "support/ProgramFolder.h"
#include "support/WindowHarness.h"

namespace cinta {

class HighDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

  void MainWindowKeysShowSharpPictures() {
    ProgramFolder folder;
    const auto window = OpenWindow(folder);
    const QPixmap& seven = window->Command2(7).Picture();
    QCOMPARE(seven.devicePixelRatio(), 2.0);
    QCOMPARE(seven.deviceIndependentSize().toSize(), QSize(66, 65));
    QCOMPARE(window->Command11->Picture().devicePixelRatio(), 2.0);
    QCOMPARE(window->Command14(5).Picture().devicePixelRatio(), 2.0);
    QCOMPARE(window->Command2(7).size(), QSize(65, 65));
    // The painted key has twice the pixels of its logical size.
    QCOMPARE(window->Command2(7).grab().size(), QSize(130, 130));
  }

  void ViewerKeysShowSharpPictures() {
    ProgramFolder folder;
    Form2 viewer(folder.Path(), QRect(0, 0, 818, 547), {});
    QCOMPARE(viewer.Command1(2).Picture().devicePixelRatio(), 2.0);
    QCOMPARE(viewer.Command2->Picture().devicePixelRatio(), 2.0);
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
