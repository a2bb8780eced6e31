// SPDX-License-Identifier: MIT
#pragma once

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>

#include <csignal>

namespace cinta {

// Makes every write beyond `bytes` fail, as a full disk would, for the life of the object. Root
// ignores permissions but not this limit; SIGXFSZ is ignored so that the write fails instead of
// killing the test.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : savedHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }

 private:
  rlimit saved_{};
  void (*savedHandler_)(int);
};

}  // namespace cinta
#endif
