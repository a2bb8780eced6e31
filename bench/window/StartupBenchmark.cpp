// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"

extern char** environ;

namespace cinta {
namespace {

constexpr int kRounds = 10;

// Milliseconds from starting a probe until it has shown its window, and until it has ended.
struct ProbeTimes {
  double shown;
  double ended;
};

// Runs the program `name` beside this one; nullopt when it could not be run or did not say when
// its window was shown.
std::optional<ProbeTimes> RunProbe(const std::string& name, const char* argument) {
  const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/" + name;
  std::vector<char*> argv = {const_cast<char*>(path.c_str()), const_cast<char*>(argument), nullptr};
  int output[2];
  if (pipe(output) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const bool spawned =
      posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  std::string printed;
  char buffer[64];
  for (ssize_t got; spawned && (got = read(output[0], buffer, sizeof buffer)) > 0;)
    printed.append(buffer, static_cast<std::size_t>(got));
  close(output[0]);
  int status = 0;
  if (!spawned || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    return std::nullopt;
  const auto ended = std::chrono::steady_clock::now();
  long long shownNanoseconds = 0;
  if (std::sscanf(printed.c_str(), "%lld", &shownNanoseconds) != 1) return std::nullopt;
  const auto shown =
      std::chrono::steady_clock::time_point(std::chrono::nanoseconds(shownNanoseconds));
  using Milliseconds = std::chrono::duration<double, std::milli>;
  return ProbeTimes{Milliseconds(shown - start).count(), Milliseconds(ended - start).count()};
}

struct Probe {
  const char* name;
  const char* program;
  const char* argument;
};

// The main window, the bare yardstick window, and the yardstick with one line of text.
constexpr Probe kProbes[] = {{"form1", "form1_window", nullptr},
                             {"minimal", "minimal_window", nullptr},
                             {"captioned", "minimal_window", "--caption"}};
constexpr int kProbeCount = 3;

// The probes run as separate processes, interleaved and in rotating order, so that a slow moment
// of a shared machine falls on all of them alike. Two figures each: until the window is shown
// (its first paint done), and until the process has ended after it; a window that shows no text
// never loads the font system before it is shown, only while it ends.
void BM_StartupToFirstShownWindow(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> shown[kProbeCount];
    std::vector<double> ended[kProbeCount];
    for (int round = 0; round < kRounds; ++round) {
      for (int step = 0; step < kProbeCount; ++step) {
        const int probe = (round + step) % kProbeCount;
        const std::optional<ProbeTimes> times =
            RunProbe(kProbes[probe].program, kProbes[probe].argument);
        if (!times) {
          state.SkipWithError("a start-up probe could not be run");
          return;
        }
        shown[probe].push_back(times->shown);
        ended[probe].push_back(times->ended);
      }
    }
    double shownMedians[kProbeCount];
    double endedMedians[kProbeCount];
    for (int probe = 0; probe < kProbeCount; ++probe) {
      shownMedians[probe] = Median(shown[probe]);
      endedMedians[probe] = Median(ended[probe]);
      const std::string name = kProbes[probe].name;
      state.counters[name + "_shown_ms"] = shownMedians[probe];
      state.counters[name + "_ended_ms"] = endedMedians[probe];
    }
    state.SetIterationTime(endedMedians[0] / 1000.0);
    state.counters["ratio"] = endedMedians[0] / endedMedians[1];
    state.counters["ratio_captioned"] = endedMedians[0] / endedMedians[2];
    state.counters["ratio_shown"] = shownMedians[0] / shownMedians[1];
    state.counters["ratio_shown_captioned"] = shownMedians[0] / shownMedians[2];
  }
}
BENCHMARK(BM_StartupToFirstShownWindow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta
