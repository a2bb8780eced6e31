// SPDX-License-Identifier: MIT
#include "textfile/WriteAll.h"

#ifdef _WIN32
#include <algorithm>
#else
#include <unistd.h>

#include <cerrno>
#endif

namespace cinta {

#ifdef _WIN32

WriteResult WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
    DWORD count = 0;
    if (::WriteFile(handle, bytes.data(), chunk, &count, nullptr) == 0) return LastWriteError();
    if (count == 0) return WriteError::Other;
    bytes.remove_prefix(count);
  }
  return {};
}

#else

WriteResult WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return LastWriteError();
    // No byte written and no error: the system will not take these bytes.
    if (count == 0) return WriteError::Other;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return {};
}

#endif

}  // namespace cinta
