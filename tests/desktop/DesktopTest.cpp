// SPDX-License-Identifier: MIT
// The main window on a real X server, with a real window manager and without one. The pointer is
// driven by xdotool through the server, so the window manager sees what a user's hand does.
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "ChildProcess.h"
#include "support/ProgramFolder.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

// The status ctest reports as skipped.
constexpr int kSkipped = 77;

bool Xdotool(const QStringList& arguments) {
  return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Where the X server has the window: a window manager tells the window where it is only once its
// move has ended.
QPoint ServerPosition(const QWidget& window) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"),
                {"getwindowgeometry", "--shell", QString::number(window.winId())});
  xdotool.waitForFinished();
  QPoint position;
  for (const QByteArray& line : xdotool.readAllStandardOutput().split('\n')) {
    if (line.startsWith("X=")) position.setX(line.mid(2).toInt());
    if (line.startsWith("Y=")) position.setY(line.mid(2).toInt());
  }
  return position;
}

bool MovePointer(const QPoint& global) {
  return Xdotool({"mousemove", QString::number(global.x()), QString::number(global.y())});
}

// Openbox on the test's X server, up once it has run its start-up command.
std::optional<ChildProcess> StartOpenbox() {
  const QTemporaryDir scratch;
  const QString ready = scratch.filePath(QStringLiteral("ready"));
  std::optional<ChildProcess> openbox =
      ChildProcess::Start({"openbox", "--sm-disable", "--startup", "touch " + ready.toStdString()});
  while (openbox && openbox->Running() && !QFile::exists(ready)) QTest::qWait(20);
  if (openbox && !openbox->Running()) openbox.reset();
  return openbox;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  // A drag moves the window; after the release the window stays put, and the next click lands on
  // the key under the pointer. Under openbox a second move request, made for the pointer move
  // reported at the release, was run with the button up: the window followed the pointer and
  // openbox took the click.
  void DraggedWindowStaysWhereReleased_data() {
    QTest::addColumn<bool>("windowManager");
    QTest::newRow("bare X server: the window follows the pointer itself") << false;
    QTest::newRow("openbox runs the move") << true;
  }
  void DraggedWindowStaysWhereReleased() {
    QFETCH(bool, windowManager);
    const std::optional<ChildProcess> openbox = windowManager ? StartOpenbox() : std::nullopt;
    QVERIFY2(openbox || !windowManager, "openbox did not start");
    TapeWindow window(folder_.Path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QPoint start = ServerPosition(window);
    // The bare surface under the hidden about lines.
    QPoint pointer = window.Surface()->mapToGlobal(QPoint(200, 530));
    QVERIFY(MovePointer(pointer));
    QVERIFY(Xdotool({"mousedown", "1"}));
    // Small steps until the window moves: the button is still held when its move begins.
    for (int step = 0; step < 200 && ServerPosition(window) == start; ++step) {
      pointer += QPoint(2, 1);
      QVERIFY(MovePointer(pointer));
      QTest::qWait(20);
    }
    QVERIFY(ServerPosition(window) != start);
    QVERIFY(Xdotool({"mouseup", "1"}));
    QTRY_COMPARE(QGuiApplication::mouseButtons(), Qt::NoButton);
    QTRY_COMPARE(window.pos(), ServerPosition(window));
    const QPoint left = window.pos();
    QAbstractButton& five = window.digitKeys(5);
    QVERIFY(MovePointer(five.mapToGlobal(five.rect().center())));
    QVERIFY(Xdotool({"click", "1"}));
    QTRY_COMPARE(window.Tape().OperandText(0), std::string("5"));
    QCOMPARE(ServerPosition(window), left);
  }

 private:
  ProgramFolder folder_;
};

}  // namespace cinta

int main(int argc, char** argv) {
  for (const char* program : {"Xvfb", "openbox", "xdotool"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
      std::printf(
          "SKIPPED: %s is not installed; the desktop tests need Xvfb, openbox and xdotool "
          "(Debian packages xvfb, openbox, xdotool)\n",
          program);
      return cinta::kSkipped;
    }
  }
  std::optional<cinta::XServer> server = cinta::StartXServer();
  if (!server) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  qputenv("DISPLAY", QByteArray::fromStdString(server->display));
  qputenv("QT_QPA_PLATFORM", "xcb");
  // No session bus belongs to this X server; none is looked for or started for it.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication application(argc, argv);
  cinta::DesktopTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "DesktopTest.moc"
