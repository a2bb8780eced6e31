// SPDX-License-Identifier: MIT
// A long session of random key presses on both windows, checking after every press that the tape
// is whole and that its result is the core's result for the rows as they stand.
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "calc/MemoryTape.h"
#include "calc/RecalculateTape.h"
#include "tapewindow/TapeWindow.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

// Resident memory of this process, in megabytes.
double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// AddressSanitizer keeps freed blocks in quarantine and its allocator never hands pages back,
// so resident memory there measures the sanitizer; LeakSanitizer checks for leaks instead.
constexpr bool kResidentMemoryIsMeaningful =
#if defined(__SANITIZE_ADDRESS__)
    false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    false;
#else
    true;
#endif
#else
    true;
#endif

int EnvironmentNumber(const char* name, int fallback) {
  const QByteArray value = qgetenv(name);
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok ? number : fallback;
}

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private slots:
  void RandomKeysKeepTheTapeWholeAndExact() {
    const int presses = EnvironmentNumber("CINTA_SOAK_PRESSES", 100000);
    const auto seed = static_cast<unsigned>(EnvironmentNumber("CINTA_SOAK_SEED", 20261208));
    qInfo("%d presses, seed %u", presses, seed);
    std::mt19937 random(seed);

    QTemporaryDir folder;
    const std::filesystem::path programDir = QFile::encodeName(folder.path()).toStdString();
    std::filesystem::create_directory(programDir / "operaciones");
    TapeWindow window(programDir);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    std::vector<std::function<void()>> keys;
    // Digits, and the keys that are not digits and change no rows, weighted like real use.
    for (int digit = 0; digit < 10; ++digit) {
      for (int weight = 0; weight < 6; ++weight)
        keys.push_back([&, digit] { window.digitKeys(digit).click(); });
    }
    for (int code = 0; code < kOperatorCount; ++code) {
      for (int weight = 0; weight < 3; ++weight)
        keys.push_back([&, code] { window.operatorKeys(code).click(); });
    }
    for (QAbstractButton* key : std::initializer_list<QAbstractButton*>{
             window.decimalKey, window.equalsKey, window.backspaceKey, window.signKey,
             window.clearEntryKey, window.scrollUpKey, window.scrollDownKey,
             window.clearResultsKey}) {
      // Only what a user can reach: hidden keys take no clicks.
      keys.push_back([key] {
        if (key->isVisible()) key->click();
      });
    }
    for (int mode = 0; mode < window.formatKeys.Count(); ++mode) {
      keys.push_back([&, mode] { window.formatKeys(mode).click(); });
    }
    for (int code = 0; code < kOperatorCount; ++code) {
      keys.push_back([&, code] {
        if (window.paletteKeys(code).isVisible()) window.paletteKeys(code).click();
      });
    }
    // A row's operator button, and a pick from the previous results.
    keys.push_back([&] {
      if (window.LastRow() > 0)
        window.OpenPalette(1 + static_cast<int>(random() % window.LastRow()));
    });
    keys.push_back([&] {
      if (!window.previousResults->isVisible() || window.previousResults->count() == 0) return;
      window.previousResults->setCurrentIndex(
          static_cast<int>(random() % window.previousResults->count()));
      emit window.previousResults->activated(window.previousResults->currentIndex());
    });
    const std::size_t clearKey = keys.size();
    keys.push_back([&] { window.clearKey->click(); });
    const std::size_t saveKey = keys.size();
    keys.push_back([&] { SaveAndUseTheViewer(window, random); });

    double memoryAfterWarmUp = 0;
    int longestTape = 0;
    int saves = 0;
    for (int press = 0; press < presses; ++press) {
      // The clear and save keys are rarer than the others, or tapes would stay short.
      std::size_t key = random() % keys.size();
      if ((key == clearKey && random() % 8 != 0) || (key == saveKey && random() % 40 != 0))
        continue;
      keys[key]();
      longestTape = std::max(longestTape, window.LastRow() + 1);
      saves += key == saveKey;
      if (press % 64 == 0) QCoreApplication::processEvents();
      if (!TapeIsWholeAndExact(window))
        QFAIL(qPrintable(QStringLiteral("after press %1").arg(press)));
      if (press == presses / 5) {
        window.clearKey->click();
        memoryAfterWarmUp = ResidentMegabytes();
      }
    }
    window.clearKey->click();
    QCoreApplication::processEvents();
    const double memoryAtEnd = ResidentMegabytes();
    qInfo("longest tape %d rows, %d saves", longestTape, saves);
    QVERIFY(longestTape > 50);
    QVERIFY(saves > 0 || presses < 10000);
    qInfo("resident memory after clearing: %.1f MB after warm-up, %.1f MB at the end",
          memoryAfterWarmUp, memoryAtEnd);
    if (kResidentMemoryIsMeaningful) QVERIFY(memoryAtEnd < memoryAfterWarmUp + 16);
  }

 private:
  // The result boxes show what the tape's model holds, and that is the core's result for its
  // rows. The rows need no such check: the view paints them from the model.
  static bool TapeIsWholeAndExact(const TapeWindow& window) {
    const int rows = window.LastRow() + 1;
    const MemoryTape& model = window.Tape();
    if (window.resultBox->Text().toStdString() != model.ResultText() ||
        window.formattedResult->Text().toStdString() != model.FormattedResultText()) {
      qWarning("the results shown are not the tape's");
      return false;
    }
    MemoryTape tape;
    tape.SetOperandText(0, window.Tape().OperandText(0));
    for (int row = 1; row < rows; ++row)
      tape.AppendRow(window.Tape().OperandText(row), window.Tape().RowOperator(row));
    RecalculateTape(tape, std::min(window.EvaluatedRows(), rows));
    if (tape.ResultText() != window.resultBox->Text().toStdString()) {
      qWarning("the window shows %s where the core gives %s", qPrintable(window.resultBox->Text()),
               tape.ResultText().c_str());
      return false;
    }
    return true;
  }

  // The save key, then a few of the viewer's keys (not the printer, the editor or the end key).
  static void SaveAndUseTheViewer(TapeWindow& window, std::mt19937& random) {
    QTimer::singleShot(0, &window, [&random] {
      auto* viewer = dynamic_cast<ReportViewer*>(QApplication::activeModalWidget());
      if (viewer == nullptr) return;
      for (int press = 0; press < 6; ++press) {
        switch (random() % 5) {
          case 0:
            viewer->saveCopyKey->click();
            break;
          case 1:
            viewer->copyKey->click();
            break;
          case 2:
            viewer->fontSizeKey->click();
            break;
          case 3:
            if (viewer->savedCopies->count() > 0) {
              viewer->savedCopies->setCurrentRow(
                  static_cast<int>(random() % viewer->savedCopies->count()));
            }
            break;
          default:
            viewer->deleteKey->click();
            break;
        }
      }
      viewer->reject();
    });
    window.saveKey->click();
  }
};

}  // namespace cinta

QTEST_MAIN(cinta::SoakTest)
#include "SoakTest.moc"
