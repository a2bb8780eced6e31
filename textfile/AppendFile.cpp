// SPDX-License-Identifier: MIT
#include "textfile/AppendFile.h"

#include "textfile/WriteAll.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace cinta {

#ifdef _WIN32

bool AppendToFile(const std::filesystem::path& file, std::string_view bytes) {
  // FILE_APPEND_DATA alone writes at the end only; OPEN_EXISTING creates nothing, and the
  // reparse-point flag opens a link itself, which is then refused as no disk file of ours.
  const HANDLE handle = ::CreateFileW(
      file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool written =
      ::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info) != 0 &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 && WriteAll(handle, bytes);
  return ::CloseHandle(handle) != 0 && written;
}

#else

bool AppendToFile(const std::filesystem::path& file, std::string_view bytes) {
  // O_NONBLOCK so that a pipe put in the file's place cannot hang the program.
  const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  const bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && WriteAll(fd, bytes);
  return ::close(fd) == 0 && written;
}

#endif

}  // namespace cinta
