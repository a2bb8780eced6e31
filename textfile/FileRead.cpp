// SPDX-License-Identifier: MIT
#include "textfile/FileRead.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

enum class Overflow { Refuse, Cut };

// One byte past the cap shows that a file is too long; a cap of SIZE_MAX can never be passed.
std::size_t ReadLimit(std::size_t maxBytes, Overflow overflow) {
  if (overflow == Overflow::Cut || maxBytes == std::numeric_limits<std::size_t>::max()) {
    return maxBytes;
  }
  return maxBytes + 1;
}

// Reads through `readSome`, which returns the count read (0 at the end) or nullopt on an error.
// The buffer starts at the size the file had plus one byte, so that reaching the end of an
// unchanged file costs no second allocation; a file that grows meanwhile is still read no
// further than the limit.
std::optional<std::string> ReadChecked(std::uintmax_t size, std::size_t maxBytes, Overflow overflow,
                                       auto readSome) {
  if (overflow == Overflow::Refuse && size > maxBytes) return std::nullopt;
  const std::size_t limit = ReadLimit(maxBytes, overflow);
  if (limit == 0) return std::string();
  std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit - 1)) + 1, '\0');
  std::size_t got = 0;
  while (got < limit) {
    if (got == bytes.size()) bytes.resize(std::min(limit, bytes.size() * 2));
    const std::optional<std::size_t> count = readSome(bytes.data() + got, bytes.size() - got);
    if (!count) return std::nullopt;
    if (*count == 0) break;
    got += *count;
  }
  if (got > maxBytes) return std::nullopt;
  bytes.resize(got);
  return bytes;
}

#ifdef _WIN32

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

std::optional<std::string> ReadBounded(const std::filesystem::path& file, std::size_t maxBytes,
                                       Overflow overflow) {
  // Full sharing leaves other programs free to replace the file meanwhile; a folder cannot be
  // opened this way, and the kind of file is judged on the open handle, so it cannot be swapped
  // between the check and the read.
  const FileHandle handle(::CreateFileW(file.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (handle.Get() == INVALID_HANDLE_VALUE) return std::nullopt;
  // Devices such as CON or NUL and pipes are no disk files; reading CON would wait for typing.
  if (::GetFileType(handle.Get()) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(handle.Get(), &size) == 0) return std::nullopt;
  return ReadChecked(static_cast<std::uintmax_t>(size.QuadPart), maxBytes, overflow,
                     [&handle](char* buffer, std::size_t size) -> std::optional<std::size_t> {
                       const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1U << 30));
                       DWORD count = 0;
                       if (::ReadFile(handle.Get(), buffer, chunk, &count, nullptr) == 0) {
                         return std::nullopt;
                       }
                       return count;
                     });
}

#else

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

std::optional<std::string> ReadBounded(const std::filesystem::path& file, std::size_t maxBytes,
                                       Overflow overflow) {
  // O_NONBLOCK so that opening a pipe cannot hang; the kind of file is judged on the open
  // descriptor, so it cannot be swapped between the check and the read.
  const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return ReadChecked(static_cast<std::uintmax_t>(info.st_size), maxBytes, overflow,
                     [&fd](char* buffer, std::size_t size) -> std::optional<std::size_t> {
                       for (;;) {
                         const ssize_t count = ::read(fd.Get(), buffer, size);
                         if (count >= 0) return static_cast<std::size_t>(count);
                         if (errno != EINTR) return std::nullopt;
                       }
                     });
}

#endif

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
  return ReadBounded(file, maxBytes, Overflow::Refuse);
}

std::optional<std::string> ReadFilePrefix(const std::filesystem::path& file, std::size_t maxBytes) {
  return ReadBounded(file, maxBytes, Overflow::Cut);
}

}  // namespace cinta
