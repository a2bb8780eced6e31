// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

// One window for every tape length, grown from one length to the next: building a tape
// evaluates it once per key, so the longest one takes by far the most time to build.
TapeWindow& Window() {
  static TapeWindow& window = KeepWindow();
  return window;
}

// Sums, differences, products and quotients; each product by 3 is undone by the next quotient,
// so the total stays small and every row of the tape is evaluated on every key.
void GrowTo(TapeWindow& window, int rows) {
  while (window.LastRow() < rows) {
    const int code = (window.LastRow() + 1) % 4;
    window.PressOperator(static_cast<OperatorCode>(code));
    window.PressDigit(code >= 2 ? 3 : 1 + window.LastRow() % 9);
  }
  QCoreApplication::processEvents();
}

// Times `press` with the repaint of what it changed (the rows in the viewport and the result
// box) done at once instead of at the next turn of the event loop; `takeBack`, untimed, gives
// every press the same tape. Returns each press's time in milliseconds.
std::vector<double> TimePresses(benchmark::State& state, TapeWindow& window,
                                const std::function<void()>& press,
                                const std::function<void()>& takeBack) {
  std::vector<double> samples;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    press();
    window.tapeView->repaint();
    window.resultBox->repaint();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    samples.push_back(elapsed.count() * 1000.0);
    takeBack();
  }
  return samples;
}

// One digit key on a tape of `rows` rows after row 0: the handler, the evaluation of the whole
// tape, and the repaint of what changed (the row in the viewport and the result box), done at
// once instead of at the next turn of the event loop. The digit is taken back, untimed, so
// every press meets the same tape.
void BM_DigitKey(benchmark::State& state) {
  TapeWindow& window = Window();
  GrowTo(window, static_cast<int>(state.range(0)));
  if (window.resultBox->Text() == QStringLiteral("ERROR")) {
    state.SkipWithError("the tape failed: a key press would evaluate only part of it");
    return;
  }
  const std::vector<double> samples = TimePresses(
      state, window, [&] { window.PressDigit(7); }, [&] { window.PressBackspace(); });
  state.counters["median_ms"] = Median(samples);
  state.counters["peak_MB"] = PeakMemoryMegabytes();
}
BENCHMARK(BM_DigitKey)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(32767)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A digit typed into the first row's entry, which evaluates the whole tape below it, as the
// digit key does; the row is given back its text, untimed.
void BM_DigitTypedIntoARow(benchmark::State& state) {
  TapeWindow& window = Window();
  GrowTo(window, static_cast<int>(state.range(0)));
  const std::string text = window.Tape().OperandText(0);
  const std::vector<double> samples = TimePresses(
      state, window, [&] { window.EditRow(0, text + '7'); }, [&] { window.EditRow(0, text); });
  state.counters["median_ms"] = Median(samples);
}
BENCHMARK(BM_DigitTypedIntoARow)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond);

// The digit key while the recovery file cannot be written: a file size limit of zero fails every
// write as a full disk does, so each key finds out again whether the file can be written.
void BM_DigitKeyUnprotected(benchmark::State& state) {
  TapeWindow& window = Window();
  GrowTo(window, static_cast<int>(state.range(0)));
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit full = saved;
  full.rlim_cur = 0;
  ::setrlimit(RLIMIT_FSIZE, &full);
  const std::vector<double> samples = TimePresses(
      state, window, [&] { window.PressDigit(7); }, [&] { window.PressBackspace(); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);
  if (window.unprotectedSign->isHidden()) state.SkipWithError("the recovery file was written");
  // The next key writes the file again.
  window.PressDigit(7);
  window.PressBackspace();
  state.counters["median_ms"] = Median(samples);
}
BENCHMARK(BM_DigitKeyUnprotected)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta
