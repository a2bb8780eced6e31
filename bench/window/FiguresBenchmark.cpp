// SPDX-License-Identifier: MIT
// A whole exported ledger pasted on the tape: 32 767 lines of about 40 bytes, a row each.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "calc/FigureColumn.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

constexpr int kLines = 32767;

// Lines as a bank exports them: a date, a description and an amount, negatives and grouping mixed.
std::string Ledger() {
  std::string ledger;
  for (int line = 0; line < kLines; ++line) {
    const int cents = (line * 7919) % 2000000;
    ledger += "2026-12-" + std::to_string(1 + line % 28) + ";Movimiento " + std::to_string(line) +
              ";" + (line % 3 == 0 ? "-" : "") + std::to_string(cents / 100000) + "." +
              std::to_string(100 + cents / 100 % 1000).substr(1) + "," +
              std::to_string(100 + cents % 100).substr(1) + "\r\n";
  }
  return ledger;
}

// The reader alone, over the whole text.
void BM_ReadFigureColumn(benchmark::State& state) {
  const std::string ledger = Ledger();
  for (auto _ : state) {
    const std::vector<std::string> figures = ReadFigureColumn(ledger);
    if (figures.size() != kLines) state.SkipWithError("a line gave no figure");
    benchmark::DoNotOptimize(figures.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ledger.size()));
}
BENCHMARK(BM_ReadFigureColumn)->Unit(benchmark::kMillisecond);

// The paste on an empty tape, from the text to the rows shown; C empties the tape, untimed,
// before each paste.
void BM_PasteLedger(benchmark::State& state) {
  BenchWindow bench;
  TapeWindow& window = bench.form;
  const std::string ledger = Ledger();
  std::vector<double> samples;
  for (auto _ : state) {
    window.PressClear();
    QCoreApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    window.AppendFigures(ledger);
    window.tapeView->repaint();
    window.resultBox->repaint();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (window.LastRow() != kLines - 1) {
      state.SkipWithError("the paste did not make a row per line");
      return;
    }
    state.SetIterationTime(elapsed.count());
    samples.push_back(elapsed.count() * 1000.0);
  }
  state.counters["median_ms"] = Median(samples);
  state.counters["peak_MB"] = PeakMemoryMegabytes();
}
BENCHMARK(BM_PasteLedger)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta
