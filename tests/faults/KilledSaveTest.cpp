// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "oplog/WriteReport.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

// A report of about a megabyte, so that a kill often lands while it is being written.
std::string BigReport(char mark) {
  std::string report = "\r\n";
  for (int row = 0; row < 32767; ++row) {
    report += std::string(1, mark) + " " + std::to_string(row) + " )   123456789,01\r\n";
  }
  return report;
}

// Reads in one go: two hundred megabytes through a character iterator would dominate the test
// in a sanitizer build.
std::string ReadLog(const fs::path& log) {
  std::ifstream in(log, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Removes the temporary files a killed save leaves and returns how many there were.
int RemoveLeftovers(const fs::path& program) {
  int leftovers = 0;
  for (const fs::path& entry : fs::directory_iterator(program)) {
    if (entry.filename() != "operacion.txt") {
      fs::remove(entry);
      ++leftovers;
    }
  }
  return leftovers;
}

TEST(KilledWhileSaving, TheLogIsAlwaysTheOldOrTheNewReportWhole) {
  constexpr int kKills = 200;
  const TempFolder program;
  const fs::path log = program.Path() / "operacion.txt";
  const std::string reports[] = {BigReport('a'), BigReport('b')};
  ASSERT_TRUE(WriteReport(program.Path(), reports[0]));
  std::mt19937 random(20111206);
  std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
  int interrupted = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the two reports by turns until killed.
      for (unsigned save = 1;; ++save) WriteReport(program.Path(), reports[save % 2]);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "kill " << kill;
    const std::string text = ReadLog(log);
    ASSERT_TRUE(text == reports[0] || text == reports[1])
        << "kill " << kill << ": " << text.size() << " bytes";
    interrupted += RemoveLeftovers(program.Path());
  }
  // The kills must really have landed in the middle of a save for the loop to prove anything.
  EXPECT_GT(interrupted, 0);
}

}  // namespace
}  // namespace cinta
