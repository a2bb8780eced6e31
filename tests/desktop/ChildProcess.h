// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace cinta {

// A program the test starts and stops itself: stopped by its process id (SIGTERM, then reaped)
// when the object goes, and killed with the test should the test die first.
class ChildProcess {
 public:
  // Starts `command` (the program looked up in PATH); `inheritedFd` stays open in it.
  static std::optional<ChildProcess> Start(const std::vector<std::string>& command,
                                           int inheritedFd = -1);
  ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_) { other.pid_ = -1; }
  ChildProcess& operator=(ChildProcess&&) = delete;
  ~ChildProcess();

  bool Running();

 private:
  explicit ChildProcess(pid_t pid) : pid_(pid) {}
  pid_t pid_;
};

// An X server of its own (Xvfb, 1280 x 1024) on the first free display number, which the server
// picks itself, so that tests running side by side never share one.
struct XServer {
  ChildProcess process;
  std::string display;  // ":N"
};
std::optional<XServer> StartXServer();

}  // namespace cinta
