// SPDX-License-Identifier: MIT
#include "tapewindow/RecoverySlot.h"

#include <QDir>
#include <system_error>

#include "recovery/RecoveryFile.h"

namespace cinta {

RecoverySlot::RecoverySlot(const std::filesystem::path& programDir) {
  std::error_code error;
  for (int window = 1; window <= kRecoveryFileCount; ++window) {
    const std::filesystem::path file = RecoveryFilePath(programDir, window);
    if (std::filesystem::exists(file, error) && Take(file)) return;
  }
  for (int window = 1; window <= kRecoveryFileCount; ++window) {
    if (Take(RecoveryFilePath(programDir, window))) return;
  }
}

bool RecoverySlot::Take(const std::filesystem::path& file) {
  auto lock = std::make_unique<QLockFile>(QDir(file).path() + QStringLiteral(".lock"));
  // Only a lock whose window is no longer running is stale, however old: the default would take
  // over the lock of a window open for more than 30 seconds.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    // A folder where no lock can be made is no sign of another window: the file is taken
    // unlocked, as a window alone in a read-only folder may still write a file that is there.
    if (lock->error() == QLockFile::LockFailedError) return false;
    lock.reset();
  }
  lock_ = std::move(lock);
  file_ = file;
  return true;
}

}  // namespace cinta
