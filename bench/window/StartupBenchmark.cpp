// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"

extern char** environ;

namespace cinta {
namespace {

constexpr int kRounds = 10;

// Milliseconds from starting a probe until it has shown its window and until it has ended, and
// the most memory it held.
struct ProbeRun {
  double shown;
  double ended;
  double peakMegabytes;
};

// Runs `command` (a program's path and its arguments); nullopt when it could not be run or did
// not say when its window was shown.
std::optional<ProbeRun> RunProbe(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  int output[2];
  if (pipe(output) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  const auto start = std::chrono::system_clock::now();
  pid_t child = 0;
  const bool spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  std::string printed;
  char buffer[64];
  for (ssize_t got; spawned && (got = read(output[0], buffer, sizeof buffer)) > 0;)
    printed.append(buffer, static_cast<std::size_t>(got));
  close(output[0]);
  int status = 0;
  rusage usage{};
  if (!spawned || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    return std::nullopt;
  const auto ended = std::chrono::system_clock::now();
  long long shownNanoseconds = 0;
  if (std::sscanf(printed.c_str(), "%lld", &shownNanoseconds) != 1) return std::nullopt;
  const auto shown = std::chrono::system_clock::time_point(
      std::chrono::duration_cast<std::chrono::system_clock::duration>(
          std::chrono::nanoseconds(shownNanoseconds)));
  using Milliseconds = std::chrono::duration<double, std::milli>;
  return ProbeRun{Milliseconds(shown - start).count(), Milliseconds(ended - start).count(),
                  static_cast<double>(usage.ru_maxrss) / 1024.0};  // kilobytes on Linux
}

struct Probe {
  const char* name;
  const char* program;
  const char* argument;
};

// The main window, the bare yardstick window, and the yardstick with one line of text.
constexpr Probe kProbes[] = {{"window", "tape_window", nullptr},
                             {"minimal", "minimal_window", nullptr},
                             {"captioned", "minimal_window", "--caption"}};
constexpr int kProbeCount = 3;

// The command that starts probe `probe`: its program in `folder`, with `suffix` (".exe"),
// through `launcher` unless that is empty.
std::vector<std::string> ProbeCommand(const std::string& launcher, const std::string& folder,
                                      const std::string& suffix, const Probe& probe) {
  std::vector<std::string> command;
  if (!launcher.empty()) command.push_back(launcher);
  command.push_back(folder + "/" + probe.program + suffix);
  if (probe.argument != nullptr) command.emplace_back(probe.argument);
  return command;
}

// The probes run as separate processes, interleaved and in rotating order, so that a slow moment
// of a shared machine falls on all of them alike, after one run each that warms the caches. Two
// figures each: until the window is shown (its first paint done), and until the process has ended
// after it; a window that shows no text never loads the font system before it is shown, only
// while it ends. Besides, the most memory each held.
void MeasureStartup(benchmark::State& state, const std::string& launcher, const std::string& folder,
                    const std::string& suffix) {
  for (auto _ : state) {
    std::vector<double> shown[kProbeCount];
    std::vector<double> ended[kProbeCount];
    std::vector<double> peak[kProbeCount];
    for (int round = -1; round < kRounds; ++round) {
      for (int step = 0; step < kProbeCount; ++step) {
        const int probe = (round + kProbeCount + step) % kProbeCount;
        const std::optional<ProbeRun> run =
            RunProbe(ProbeCommand(launcher, folder, suffix, kProbes[probe]));
        if (!run) {
          state.SkipWithError("a start-up probe could not be run");
          return;
        }
        if (round < 0) continue;
        shown[probe].push_back(run->shown);
        ended[probe].push_back(run->ended);
        peak[probe].push_back(run->peakMegabytes);
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
      state.counters[name + "_peak_mb"] = Median(peak[probe]);
    }
    state.SetIterationTime(endedMedians[0] / 1000.0);
    state.counters["ratio"] = endedMedians[0] / endedMedians[1];
    state.counters["ratio_captioned"] = endedMedians[0] / endedMedians[2];
    state.counters["ratio_shown"] = shownMedians[0] / shownMedians[1];
    state.counters["ratio_shown_captioned"] = shownMedians[0] / shownMedians[2];
  }
}

void BM_StartupToFirstShownWindow(benchmark::State& state) {
  MeasureStartup(state, "", QCoreApplication::applicationDirPath().toStdString(), "");
}
BENCHMARK(BM_StartupToFirstShownWindow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same probes built for Windows, from the folder that CINTA_WINDOWS_BIN names
// (build-windows/bin), run under Wine (CINTA_WINE, Debian's wine64 unless set) on the display
// and in the Wine prefix of the environment. Only when CINTA_WINDOWS_BIN is set.
const bool kStartupUnderWine = [] {
  const char* folder = std::getenv("CINTA_WINDOWS_BIN");
  if (folder == nullptr) return false;
  const char* wine = std::getenv("CINTA_WINE");
  // Code that PCRE2 compiles at run time crashes under Wine 8, as in the tests (Wine passes
  // WINEQT_x on as QT_x).
  setenv("WINEQT_ENABLE_REGEXP_JIT", "0", 0);
  benchmark::RegisterBenchmark(
      "BM_StartupUnderWine",
      [launcher = std::string(wine ? wine : "/usr/lib/wine/wine64"), folder = std::string(folder)](
          benchmark::State& state) { MeasureStartup(state, launcher, folder, ".exe"); })
      ->Iterations(1)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
}  // namespace cinta
