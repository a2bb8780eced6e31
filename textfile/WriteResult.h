// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <system_error>

namespace cinta {

// Why a file could not be written, as far as the system tells: each asks the user for something
// else (room on the disk, a folder they may write), so the windows name it.
enum class WriteError { DiskFull, NoPermission, Other };

// How a write ended: true when every byte reached the file, otherwise false with the reason.
class WriteResult {
 public:
  WriteResult() = default;
  // Implicit, so that a writer can return the reason it failed.
  WriteResult(WriteError error) : error_(error) {}  // NOLINT(google-explicit-constructor)

  explicit operator bool() const { return !error_; }
  std::optional<WriteError> Error() const { return error_; }

 private:
  std::optional<WriteError> error_;
};

// The reason of a system error: disk full for ENOSPC, EDQUOT and EFBIG (a file size limit counts
// as a full disk), no permission for EACCES, EPERM and EROFS, other for the rest.
WriteError WriteErrorOf(const std::error_code& error);
// The reason of the last error of the calling thread (errno; GetLastError on Windows).
WriteError LastWriteError();

}  // namespace cinta
