// SPDX-License-Identifier: MIT
#include "textfile/FileRead.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#else
#include <fstream>
#include <system_error>
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

#if defined(__unix__) || defined(__APPLE__)

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

#else

std::optional<std::string> ReadBounded(const std::filesystem::path& file, std::size_t maxBytes,
                                       Overflow overflow) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return ReadChecked(size, maxBytes, overflow,
                     [&in](char* buffer, std::size_t size) -> std::optional<std::size_t> {
                       in.read(buffer, static_cast<std::streamsize>(size));
                       if (in.bad()) return std::nullopt;
                       return static_cast<std::size_t>(in.gcount());
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
