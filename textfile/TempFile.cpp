// SPDX-License-Identifier: MIT
#include "textfile/TempFile.h"

#include <cstdint>
#include <random>
#include <string>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#else
#include <cstdio>
#endif

namespace cinta {
namespace {

enum class CreateResult { Written, NameTaken, Failed };

std::string TempName() {
  thread_local std::mt19937_64 engine{std::random_device{}()};
  std::uint64_t value = engine();
  std::string hex(16, '0');
  for (char& digit : hex) {
    digit = "0123456789abcdef"[value & 0xF];
    value >>= 4;
  }
  return ".cinta-" + hex + ".tmp";
}

#if defined(__unix__) || defined(__APPLE__)

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

CreateResult CreateAndWrite(const std::filesystem::path& file, std::string_view bytes) {
  // O_CREAT with O_EXCL fails on any existing name, a symbolic link included.
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST ? CreateResult::NameTaken : CreateResult::Failed;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) == 0 && written) return CreateResult::Written;
  ::unlink(file.c_str());
  return CreateResult::Failed;
}

#else

CreateResult CreateAndWrite(const std::filesystem::path& file, std::string_view bytes) {
  // C's exclusive mode "x" creates a new file or fails, as O_EXCL does; the stream is flushed,
  // though without a portable way to force it to the disk.
  std::FILE* stream = std::fopen(file.string().c_str(), "wbx");
  std::error_code error;
  if (stream == nullptr) {
    return std::filesystem::exists(std::filesystem::symlink_status(file, error))
               ? CreateResult::NameTaken
               : CreateResult::Failed;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
                       std::fflush(stream) == 0;
  if (std::fclose(stream) == 0 && written) return CreateResult::Written;
  std::filesystem::remove(file, error);
  return CreateResult::Failed;
}

#endif

}  // namespace

std::optional<std::filesystem::path> WriteTempFile(const std::filesystem::path& folder,
                                                   std::string_view bytes) {
  // A taken name is a collision of random names or a planted file: try a few fresh names.
  constexpr int kAttempts = 16;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::filesystem::path file = folder / TempName();
    switch (CreateAndWrite(file, bytes)) {
      case CreateResult::Written:
        return file;
      case CreateResult::NameTaken:
        continue;
      case CreateResult::Failed:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace cinta
