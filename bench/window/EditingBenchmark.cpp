// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "Form1/Form1.h"

namespace cinta {
namespace {

constexpr int kLastRow = 32767;

Form1& Window() {
  static Form1& window = KeepWindow();
  return window;
}

// A 1 followed by empty sums up to the last row: every key still evaluates the whole tape.
void FillTape(Form1& window) {
  if (window.CurrentRow() == 0) window.Command2_Click(1);
  while (window.CurrentRow() < kLastRow) window.Command3_Click(0);
  QCoreApplication::processEvents();
}

// Runs one key and repaints what it changed at once instead of at the next turn of the event
// loop; returns the seconds taken.
template <typename Key>
double TimeKey(Form1& window, Key key) {
  const auto start = std::chrono::steady_clock::now();
  key();
  window.Picture1->repaint();
  window.Text2->repaint();
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

void Report(benchmark::State& state, const std::vector<double>& samples) {
  state.counters["median_ms"] = Median(samples);
  state.counters["peak_MB"] = PeakMemoryMegabytes();
}

// CE on the full tape; the row is put back, untimed, so every press meets the same tape.
void BM_ClearEntryKey(benchmark::State& state) {
  Form1& window = Window();
  FillTape(window);
  std::vector<double> samples;
  for (auto _ : state) {
    const double seconds = TimeKey(window, [&] { window.Command7_Click(1); });
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1000.0);
    window.Command3_Click(0);
  }
  Report(state, samples);
}
BENCHMARK(BM_ClearEntryKey)->UseManualTime()->Unit(benchmark::kMillisecond);

// A palette choice for the last row of the full tape, which evaluates every row; the row keeps
// its operator, so every choice meets the same tape.
void BM_PaletteChoice(benchmark::State& state) {
  Form1& window = Window();
  FillTape(window);
  std::vector<double> samples;
  for (auto _ : state) {
    window.Command1_Click(kLastRow);
    const double seconds = TimeKey(window, [&] { window.Command14_Click(0); });
    state.SetIterationTime(seconds);
    samples.push_back(seconds * 1000.0);
  }
  Report(state, samples);
}
BENCHMARK(BM_PaletteChoice)->UseManualTime()->Unit(benchmark::kMillisecond);

// C on the full tape: files the result and removes every row but row 0. Refilling the tape
// evaluates it once per row, so the iterations are few and fixed.
void BM_ClearKey(benchmark::State& state) {
  Form1& window = Window();
  std::vector<double> samples;
  for (auto _ : state) {
    FillTape(window);
    const double seconds = TimeKey(window, [&] { window.Command7_Click(0); });
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
  Form1& window = Window();
  FillTape(window);
  std::vector<double> samples;
  for (auto _ : state) {
    window.Command7_Click(0);
    QCoreApplication::processEvents();
    const double seconds = TimeKey(window, [&] { window.Undo(); });
    if (window.CurrentRow() != kLastRow) {
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
