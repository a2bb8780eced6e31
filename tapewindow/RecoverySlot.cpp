// SPDX-License-Identifier: MIT
#include "tapewindow/RecoverySlot.h"

#include <QDir>
#include <QFileInfo>
#include <system_error>

#include "recovery/RecoveryFile.h"

namespace cinta {
namespace {

// A lock file without its owner's details was left by a window that ended between creating it
// and writing them: killed as it started, or a power cut before the disk got the data. Qt never
// takes such a lock over, so the tape beside it would never come back. A live owner holds the
// file's native lock from its creation on, which makes the removal fail while it runs.
void RemoveLockWithoutOwner(const QString& path) {
  QLockFile lock(path);
  qint64 pid = 0;
  QString host;
  QString application;
  if (QFileInfo::exists(path) && !lock.getLockInfo(&pid, &host, &application)) {
    lock.removeStaleLockFile();
  }
}

}  // namespace

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
  const QString lockPath = QDir(file).path() + QStringLiteral(".lock");
  // Qt guards the removal of a stale lock with a second lock file, which can be left the same way.
  RemoveLockWithoutOwner(lockPath + QStringLiteral(".rmlock"));
  RemoveLockWithoutOwner(lockPath);
  auto lock = std::make_unique<QLockFile>(lockPath);
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
