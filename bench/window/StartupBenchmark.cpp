// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "BenchSupport.h"

extern char** environ;

namespace cinta {
namespace {

constexpr int kRounds = 10;

// Milliseconds from starting the program `name` beside this one until it has shown its window
// and ended; a negative value when it could not be run.
double RunProbe(const std::string& name, const char* argument) {
  const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/" + name;
  std::vector<char*> argv = {const_cast<char*>(path.c_str()), const_cast<char*>(argument), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

struct Probe {
  const char* counter;
  const char* program;
  const char* argument;
};

// The main window, the bare yardstick window, and the yardstick with one line of text.
constexpr Probe kProbes[] = {{"form1_ms", "form1_window", nullptr},
                             {"minimal_ms", "minimal_window", nullptr},
                             {"captioned_ms", "minimal_window", "--caption"}};
constexpr int kProbeCount = 3;

// The probes run as separate processes, interleaved and in rotating order, so that a slow moment
// of a shared machine falls on all of them alike.
void BM_StartupToFirstShownWindow(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> times[kProbeCount];
    for (int round = 0; round < kRounds; ++round) {
      for (int step = 0; step < kProbeCount; ++step) {
        const int probe = (round + step) % kProbeCount;
        const double time = RunProbe(kProbes[probe].program, kProbes[probe].argument);
        if (time < 0) {
          state.SkipWithError("a start-up probe could not be run");
          return;
        }
        times[probe].push_back(time);
      }
    }
    double medians[kProbeCount];
    for (int probe = 0; probe < kProbeCount; ++probe) {
      medians[probe] = Median(times[probe]);
      state.counters[kProbes[probe].counter] = medians[probe];
    }
    state.SetIterationTime(medians[0] / 1000.0);
    state.counters["ratio"] = medians[0] / medians[1];
    state.counters["ratio_captioned"] = medians[0] / medians[2];
  }
}
BENCHMARK(BM_StartupToFirstShownWindow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta
