// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <vector>

#include "BenchSupport.h"
#include "BenchWindow.h"
#include "Form1/Form1.h"
#include "Form2/Form2.h"

namespace cinta {
namespace {

// The save key on the longest tape: the report built and written, the viewer shown over the
// window with the log read back into it, then closed at its first turn of the event loop.
void BM_SaveKeyOnLongestTape(benchmark::State& state) {
  const BenchProgramFolder folder;
  const std::filesystem::path programDir = folder.Path();
  Form1 window(programDir);
  window.show();
  QCoreApplication::processEvents();
  while (window.CurrentRow() < 32767) {
    window.Command3_Click(0);
    window.Command2_Click(1 + window.CurrentRow() % 9);
  }
  std::vector<double> samples;
  for (auto _ : state) {
    QTimer::singleShot(0, &window, [] {
      if (auto* viewer = dynamic_cast<Form2*>(QApplication::activeModalWidget())) viewer->reject();
    });
    const auto start = std::chrono::steady_clock::now();
    window.Command11_Click();
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
