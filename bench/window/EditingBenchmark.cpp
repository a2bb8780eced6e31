// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

constexpr int kLastRow = 32767;

TapeWindow& Window() {
  static TapeWindow& window = KeepWindow();
  return window;
}

// A 1 followed by empty sums up to the last row: every key still evaluates the whole tape.
void FillTape(TapeWindow& window) {
  if (window.LastRow() == 0) window.PressDigit(1);
  while (window.LastRow() < kLastRow) window.PressOperator(OperatorCode::Add);
  QCoreApplication::processEvents();
}

// Runs one key and repaints what it changed at once instead of at the next turn of the event
// loop; returns the seconds taken.
template <typename Key>
double TimeKey(TapeWindow& window, Key key) {
  const auto start = std::chrono::steady_clock::now();
  key();
  window.tapeView->repaint();
  window.resultBox->repaint();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

void Report(benchmark::State& state, const std::vector<double>& samples) {
  state.counters["median_ms"] = Median(samples);
  state.counters["peak_MB"] = PeakMemoryMegabytes();
}

// CE on the full tape; the row is put back, untimed, so every press meets the same tape.
void BM_ClearEntryKey(benchmark::State& state) {
  TapeWindow& window = Window();
  FillTape(window);
  std::vector<double> samples;
  for (auto _ : state) {
    const double seconds = TimeKey(window, [&] { window.PressClearEntry(); });
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1000.0);
    window.PressOperator(OperatorCode::Add);
  }
  Report(state, samples);
}
BENCHMARK(BM_ClearEntryKey)->UseManualTime()->Unit(benchmark::kMillisecond);

// A palette choice for the last row of the full tape, which evaluates every row; the row keeps
// its operator, so every choice meets the same tape.
void BM_PaletteChoice(benchmark::State& state) {
  TapeWindow& window = Window();
  FillTape(window);
  std::vector<double> samples;
  for (auto _ : state) {
    window.OpenPalette(kLastRow);
    const double seconds = TimeKey(window, [&] { window.PickFromPalette(OperatorCode::Add); });
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1000.0);
  }
  Report(state, samples);
}
BENCHMARK(BM_PaletteChoice)->UseManualTime()->Unit(benchmark::kMillisecond);

// C on the full tape: files the result and removes every row but row 0. Refilling the tape
// evaluates it once per row, so the iterations are few and fixed.
void BM_ClearKey(benchmark::State& state) {
  TapeWindow& window = Window();
  std::vector<double> samples;
  for (auto _ : state) {
    FillTape(window);
    const double seconds = TimeKey(window, [&] { window.PressClear(); });
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1000.0);
  }
  Report(state, samples);
}
BENCHMARK(BM_ClearKey)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Ctrl+Z after C on the full tape: every row and its controls made again with their texts,
// operators and formatted values, and the result and the place of the rows as they were. The
// tape is cleared again, untimed, before each undo.
void BM_UndoClearKey(benchmark::State& state) {
  TapeWindow& window = Window();
  FillTape(window);
  std::vector<double> samples;
  for (auto _ : state) {
    window.PressClear();
    QCoreApplication::processEvents();
    const double seconds = TimeKey(window, [&] { window.Undo(); });
    if (window.LastRow() != kLastRow) {
      state.SkipWithError("undo did not bring the rows back");
      return;
    }
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1000.0);
  }
  Report(state, samples);
}
BENCHMARK(BM_UndoClearKey)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta
