// SPDX-License-Identifier: MIT
#include "textfile/WriteResult.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

namespace cinta {

WriteError WriteErrorOf(const std::error_code& error) {
#ifdef _WIN32
  // The library gives some Windows errors no portable meaning, so the codes are told apart here.
  if (error.category() == std::system_category()) {
    switch (error.value()) {
      case ERROR_DISK_FULL:
      case ERROR_HANDLE_DISK_FULL:
        return WriteError::DiskFull;
      case ERROR_ACCESS_DENIED:
      case ERROR_WRITE_PROTECT:
        return WriteError::NoPermission;
      default:
        return WriteError::Other;
    }
  }
#endif
  const std::error_condition condition = error.default_error_condition();
  if (condition == std::errc::no_space_on_device || condition == std::errc::file_too_large) {
    return WriteError::DiskFull;
  }
#ifdef EDQUOT
  if (condition == std::error_condition(EDQUOT, std::generic_category())) {
    return WriteError::DiskFull;
  }
#endif
  if (condition == std::errc::permission_denied ||
      condition == std::errc::operation_not_permitted ||
      condition == std::errc::read_only_file_system) {
    return WriteError::NoPermission;
  }
  return WriteError::Other;
}

WriteError LastWriteError() {
#ifdef _WIN32
  return WriteErrorOf(std::error_code(static_cast<int>(::GetLastError()), std::system_category()));
#else
  return WriteErrorOf(std::error_code(errno, std::generic_category()));
#endif
}

}  // namespace cinta
