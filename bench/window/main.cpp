// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchWindow.h"

int main(int argc, char** argv) {
  // Before the application exists; the start-up probes inherit it.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  cinta::KeptWindows().clear();
  return 0;
}
