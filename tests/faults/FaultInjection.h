// SPDX-License-Identifier: MIT
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>

namespace cinta {

// Makes every write beyond `bytes` fail, as a full disk would, for the life of the object. Root
// ignores permissions but not this limit; SIGXFSZ is ignored so that the write fails instead of
// killing the test.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit();

 private:
  rlimit saved_{};
  void (*savedHandler_)(int);
};

// Everything under `folder`, links not followed: relative path -> "file:<bytes>", "dir" or
// "link:<target>". Two equal snapshots show that nothing in the folder was written.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot Snapshot(const std::filesystem::path& folder);

}  // namespace cinta
