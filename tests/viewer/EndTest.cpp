// SPDX-License-Identifier: MIT
// The viewer's close key ends the whole program, also while the viewer is shown modally.
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "Suites.h"
#include "support/ViewerFolder.h"

namespace cinta {

class EndTest : public QObject {
  Q_OBJECT

 private slots:
  void QuitKeyEndsEveryEventLoop() {
    ViewerFolder folder;
    // A main window stays open, so closing the viewer alone would not end the program.
    QWidget mainWindow;
    const QRect owner(40, 30, 900, 600);
    mainWindow.setGeometry(owner);
    mainWindow.show();
    ReportViewer viewer(folder.Path(), owner, {}, &QDateTime::currentDateTime, &mainWindow);
    bool modalLoopEnded = false;
    QTimer::singleShot(0, &viewer, [&] {
      QTimer::singleShot(0, &viewer, [&] { QTest::mouseClick(viewer.quitKey, Qt::LeftButton); });
      viewer.exec();
      modalLoopEnded = true;
    });
    // Ends the application's loop with a failure code if the key failed to end it.
    QTimer fallback;
    fallback.setSingleShot(true);
    connect(&fallback, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    fallback.start(10000);
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(modalLoopEnded);
    QCOMPARE(aboutToQuit.count(), 1);
  }
};

int RunEndTest(int argc, char** argv) {
  EndTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "EndTest.moc"
