// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <filesystem>
#include <memory>

namespace cinta {

// The recovery file of one window, held under a lock for as long as this object lives, so that
// windows started in one program folder never write, bring back or remove each other's tape.
class RecoverySlot {
 public:
  // Takes, of the recovery files of `programDir` that no running window holds, the first that
  // holds a tape left by a window that ended without its close keys, or else the first one:
  // after a crash every tape comes back, one per start. File() is empty when every file is held.
  explicit RecoverySlot(const std::filesystem::path& programDir);

  const std::filesystem::path& File() const { return file_; }

 private:
  // Takes the lock of `file`, or leaves it to the window that holds it.
  bool Take(const std::filesystem::path& file);

  std::unique_ptr<QLockFile> lock_;
  std::filesystem::path file_;
};

}  // namespace cinta
