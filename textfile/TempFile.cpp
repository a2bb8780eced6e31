// SPDX-License-Identifier: MIT
#include "textfile/TempFile.h"

#include <cstdint>
#include <random>
#include <string>

#include "textfile/WriteAll.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace cinta {
namespace {

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

}  // namespace

#ifdef _WIN32

CreateResult CreateAndWrite(const std::filesystem::path& file, std::string_view bytes) {
  // CREATE_NEW fails on any existing name, a symbolic link included. The wide name reaches
  // folders whose names the ANSI code page cannot spell.
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return CreateResult::NameTaken;
    return error == ERROR_ACCESS_DENIED ? CreateResult::Refused : CreateResult::Failed;
  }
  const bool written = WriteAll(handle, bytes) && ::FlushFileBuffers(handle) != 0;
  if (::CloseHandle(handle) != 0 && written) return CreateResult::Written;
  ::DeleteFileW(file.c_str());
  return CreateResult::Failed;
}

#else

CreateResult CreateAndWrite(const std::filesystem::path& file, std::string_view bytes) {
  // O_CREAT with O_EXCL fails on any existing name, a symbolic link included.
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return CreateResult::NameTaken;
    return errno == EACCES || errno == EPERM ? CreateResult::Refused : CreateResult::Failed;
  }
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) == 0 && written) return CreateResult::Written;
  ::unlink(file.c_str());
  return CreateResult::Failed;
}

#endif

TempFile WriteTempFile(const std::filesystem::path& folder, std::string_view bytes) {
  // A taken name is a collision of random names or a planted file: try a few fresh names.
  constexpr int kAttempts = 16;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::filesystem::path file = folder / TempName();
    const CreateResult result = CreateAndWrite(file, bytes);
    if (result == CreateResult::Written) return {result, std::move(file)};
    if (result != CreateResult::NameTaken) return {result, {}};
  }
  return {CreateResult::Failed, {}};
}

}  // namespace cinta
