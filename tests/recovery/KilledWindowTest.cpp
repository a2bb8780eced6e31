// SPDX-License-Identifier: MIT
// The real window in a child process, pressing random keys until it is killed with SIGKILL at a
// random moment, 200 times; each new child starts from what the killed one left.
#include <QProcess>
#include <QThread>
#include <QtTest>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "recovery/RecoveryFile.h"
#include "support/ProgramFolder.h"
#include "support/WindowHarness.h"
#include "tapeview/RowEditor.h"
#include "tapewindow/RecoverySlot.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

int Below(std::mt19937& random, int bound) {
  return static_cast<int>(random() % static_cast<unsigned>(bound));
}

// One key press, or a change made by typing, chosen by `random`: each is at most one step of the
// window, so a kill can only land before it, inside it or after it.
void PressRandomKey(TapeWindow& window, std::mt19937& random) {
  const int last = window.LastRow();
  int choice = Below(random, 100);
  if ((choice -= 40) < 0) return window.digitKeys(Below(random, 10)).click();
  if ((choice -= 12) < 0) return window.operatorKeys(Below(random, kOperatorCount)).click();
  if ((choice -= 9) < 0) {
    QAbstractButton* keys[] = {window.decimalKey, window.backspaceKey, window.signKey};
    return keys[Below(random, 3)]->click();
  }
  if ((choice -= 8) < 0) return window.Undo();
  if ((choice -= 5) < 0) return window.Redo();
  if ((choice -= 5) < 0) return window.formatKeys(Below(random, window.formatKeys.Count())).click();
  if ((choice -= 4) < 0) return window.clearEntryKey->click();
  if ((choice -= 4) < 0)
    return window.KeyButton(Below(random, 2) == 0 ? Key::ScrollUp : Key::ScrollDown)->click();
  if ((choice -= 4) < 0 && last > 0) {
    window.OpenPalette(1 + Below(random, last));
    return window.paletteKeys(Below(random, kOperatorCount)).click();
  }
  if ((choice -= 3) < 0) {
    const QPoint field = CentreInViewport(window, last, RowPart::Entry);
    if (!window.tapeView->Shows(last, RowPart::Entry) || !window.tapeView->rect().contains(field))
      return;
    QTest::mouseClick(window.tapeView, Qt::LeftButton, {}, field);
    return QTest::keyClick(&window.tapeView->Editor(), static_cast<char>('0' + Below(random, 10)));
  }
  if ((choice -= 2) < 0 && window.previousResults->count() > 0) {
    window.previousResults->setCurrentIndex(Below(random, window.previousResults->count()));
    emit window.previousResults->activated(window.previousResults->currentIndex());
    return;
  }
  if ((choice -= 2) < 0) return window.equalsKey->click();
  if ((choice -= 1) < 0) return window.clearResultsKey->click();
  window.clearKey->click();
}

// The child: the window over `folder`, which reports the tape it starts with, then presses keys
// and reports the number of each key once it is done, until it is killed. It takes its recovery
// file as the program does, so each child must find the lock of the one killed before it stale.
int RunChild(const char* folder, const char* seed) {
  const RecoverySlot slot{fs::path(folder)};
  TapeWindow window{fs::path(folder), slot.File()};
  window.show();
  const QByteArray state = TapeSnapshot(window).toUtf8().toBase64();
  std::printf("S %s\n", state.constData());
  std::fflush(stdout);
  std::mt19937 random(static_cast<unsigned>(std::stoul(seed)));
  for (long key = 0;; ++key) {
    PressRandomKey(window, random);
    std::printf("K %ld\n", key);
    std::fflush(stdout);
  }
}

}  // namespace

class KilledWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TapeIsAsAtTheLastKeyOrTheOneBefore() {
    constexpr int kKills = 200;
    const ProgramFolder childFolder;
    const ProgramFolder referenceFolder;
    const fs::path childFile = RecoveryFilePath(childFolder.Path());
    const fs::path referenceFile = RecoveryFilePath(referenceFolder.Path());
    std::mt19937 random(20261209);
    // The states that the next start may show: after the last key the killed child finished,
    // and after the one it may have been pressing.
    QString afterLastDone = "(no tape yet)";
    QString afterNext = afterLastDone;
    int keysPressed = 0;
    int atTheKeyBefore = 0;
    for (int kill = 0; kill <= kKills; ++kill) {
      // A window of the test's own, recovering the file the child is about to start from.
      fs::remove(referenceFile);
      if (fs::exists(childFile)) fs::copy_file(childFile, referenceFile);
      TapeWindow reference(referenceFolder.Path());
      reference.show();
      const QString recovered = TapeContents(reference);
      if (kill > 0) {
        if (recovered != afterNext) ++atTheKeyBefore;
        QVERIFY2(recovered == afterLastDone || recovered == afterNext,
                 qPrintable(QString("start %1 shows\n%2\nafter the last key it was\n%3\nand the "
                                    "key before\n%4")
                                .arg(kill)
                                .arg(recovered, afterNext, afterLastDone)));
      }
      if (kill == kKills) break;

      const unsigned seed = random();
      QProcess child;
      child.start(
          QCoreApplication::applicationFilePath(),
          {"--child", QFile::decodeName(childFolder.Path().c_str()), QString::number(seed)});
      QVERIFY(child.waitForStarted());
      // One kill in eight lands while the child starts, perhaps while it rewrites the file.
      const bool whileStarting = Below(random, 8) == 0;
      if (!whileStarting) {
        while (!child.canReadLine()) QVERIFY(child.waitForReadyRead(60000));
        const QByteArray first = child.readLine().trimmed();
        QVERIFY(first.startsWith("S "));
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(first.mid(2))), TapeSnapshot(reference));
      }
      QThread::usleep(static_cast<unsigned long>(Below(random, whileStarting ? 100000 : 30000)));
      child.kill();
      QVERIFY(child.waitForFinished(60000));
      QCOMPARE(child.exitStatus(), QProcess::CrashExit);
      long done = -1;
      for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("K ")) done = line.mid(2).toLong();
      }
      keysPressed += static_cast<int>(done + 1);

      // The same keys on the window of the test.
      std::mt19937 keys(seed);
      for (long key = 0; key <= done; ++key) PressRandomKey(reference, keys);
      afterLastDone = TapeContents(reference);
      PressRandomKey(reference, keys);
      afterNext = TapeContents(reference);
    }
    qInfo("%d kills after %d keys in all; %d starts showed the tape of the last key reported done",
          kKills, keysPressed, atTheKeyBefore);
    // The kills must have landed among the keys for the loop to prove anything.
    QVERIFY(keysPressed > kKills);
  }
};

}  // namespace cinta

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 4 && std::string_view(argv[1]) == "--child") return cinta::RunChild(argv[2], argv[3]);
  cinta::KilledWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "KilledWindowTest.moc"
