// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <vector>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "tapewindow/TapeWindow.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

// The save key on the longest tape: the report built and written, the viewer shown over the
// window with the log read back into it, then closed at its first turn of the event loop.
void BM_SaveKeyOnLongestTape(benchmark::State& state) {
  const BenchProgramFolder folder;
  const std::filesystem::path programDir = folder.Path();
  TapeWindow window(programDir);
  window.show();
  QCoreApplication::processEvents();
  while (window.LastRow() < 32767) {
    window.PressOperator(OperatorCode::Add);
    window.PressDigit(1 + window.LastRow() % 9);
  }
  std::vector<double> samples;
  for (auto _ : state) {
    QTimer::singleShot(0, &window, [] {
      if (auto* viewer = dynamic_cast<ReportViewer*>(QApplication::activeModalWidget()))
        viewer->reject();
    });
    const auto start = std::chrono::steady_clock::now();
    window.PressSave();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    samples.push_back(elapsed.count() * 1000.0);
  }
  state.counters["median_ms"] = Median(samples);
  state.counters["report_kB"] =
      static_cast<double>(std::filesystem::file_size(programDir / "operacion.txt")) / 1024.0;
}
BENCHMARK(BM_SaveKeyOnLongestTape)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta
