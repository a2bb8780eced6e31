// SPDX-License-Identifier: MIT
#include "ChildProcess.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace cinta {

std::optional<ChildProcess> ChildProcess::Start(const std::vector<std::string>& command,
                                                int inheritedFd) {
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return std::nullopt;
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (inheritedFd >= 0) ::fcntl(inheritedFd, F_SETFD, 0);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  return ChildProcess(pid);
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

bool ChildProcess::Running() {
  return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0;
}

std::optional<XServer> StartXServer() {
  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0) return std::nullopt;
  // -displayfd: the server takes the first free display and writes its number once it accepts
  // clients.
  std::optional<ChildProcess> process =
      ChildProcess::Start({"Xvfb", "-displayfd", std::to_string(pipe[1]), "-screen", "0",
                           "1280x1024x24", "-nolisten", "tcp"},
                          pipe[1]);
  ::close(pipe[1]);
  std::string number;
  char byte = 0;
  while (process && ::read(pipe[0], &byte, 1) == 1 && byte != '\n') number += byte;
  ::close(pipe[0]);
  if (!process || number.empty()) return std::nullopt;
  return XServer{std::move(*process), ":" + number};
}

}  // namespace cinta
