// SPDX-License-Identifier: MIT
#include "textfile/RewriteInPlace.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "textfile/WriteAll.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace cinta {
namespace {

#ifdef _WIN32

using Handle = HANDLE;

std::optional<Handle> OpenRegularFile(const std::filesystem::path& file) {
  // Opening the reparse point itself refuses a link at the name instead of following it; a
  // folder cannot be opened for writing at all.
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileInformationByHandle(handle, &info) == 0 ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    ::CloseHandle(handle);
    // Names no full disk and no permission, whatever closing left behind.
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  return handle;
}

std::optional<std::uint64_t> FileSize(Handle handle) {
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(handle, &size) == 0) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

bool MoveTo(Handle handle, std::uint64_t offset) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  return ::SetFilePointerEx(handle, at, nullptr, FILE_BEGIN) != 0;
}

WriteResult WriteAt(Handle handle, std::uint64_t offset, std::string_view bytes) {
  if (!MoveTo(handle, offset)) return LastWriteError();
  return WriteAll(handle, bytes);
}

bool Truncate(Handle handle, std::uint64_t size) {
  return MoveTo(handle, size) && ::SetEndOfFile(handle) != 0;
}

bool Flush(Handle handle) {
  return ::FlushFileBuffers(handle) != 0;
}

bool Close(Handle handle) {
  return ::CloseHandle(handle) != 0;
}

#else

using Handle = int;

std::optional<Handle> OpenRegularFile(const std::filesystem::path& file) {
  // O_NOFOLLOW refuses a link at the name instead of following it; O_NONBLOCK keeps a pipe there
  // from blocking the open.
  const int fd = ::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    // Names no full disk and no permission, whatever closing left behind.
    errno = EINVAL;
    return std::nullopt;
  }
  return fd;
}

std::optional<std::uint64_t> FileSize(Handle fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

WriteResult WriteAt(Handle fd, std::uint64_t offset, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (count < 0) {
      if (errno == EINTR) continue;
      return LastWriteError();
    }
    if (count == 0) return WriteError::Other;
    bytes.remove_prefix(static_cast<std::size_t>(count));
    offset += static_cast<std::uint64_t>(count);
  }
  return {};
}

bool Truncate(Handle fd, std::uint64_t size) {
  return ::ftruncate(fd, static_cast<off_t>(size)) == 0;
}

bool Flush(Handle fd) {
  return ::fsync(fd) == 0;
}

bool Close(Handle fd) {
  return ::close(fd) == 0;
}

#endif

WriteResult Rewrite(Handle handle, std::string_view bytes) {
  const std::optional<std::uint64_t> oldSize = FileSize(handle);
  if (!oldSize) return LastWriteError();
  const std::size_t overlap =
      static_cast<std::size_t>(std::min<std::uint64_t>(*oldSize, bytes.size()));
  if (const WriteResult beyond = WriteAt(handle, overlap, bytes.substr(overlap)); !beyond) {
    Truncate(handle, *oldSize);
    return beyond;
  }
  if (const WriteResult head = WriteAt(handle, 0, bytes.substr(0, overlap)); !head) return head;
  if (!Truncate(handle, bytes.size()) || !Flush(handle)) return LastWriteError();
  return {};
}

}  // namespace

WriteResult RewriteInPlace(const std::filesystem::path& file, std::string_view bytes) {
  const std::optional<Handle> handle = OpenRegularFile(file);
  if (!handle) return LastWriteError();
  const WriteResult written = Rewrite(*handle, bytes);
  if (!Close(*handle) && written) return LastWriteError();
  return written;
}

}  // namespace cinta
