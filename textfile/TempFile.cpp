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

Creation CreateAndWrite(const std::filesystem::path& file, std::string_view bytes, Flush flush) {
  // CREATE_NEW fails on any existing name, a symbolic link included. The wide name reaches
  // folders whose names the ANSI code page cannot spell.
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
      return {CreateResult::NameTaken};
    }
    if (error == ERROR_ACCESS_DENIED) return {CreateResult::Refused, WriteError::NoPermission};
    return {CreateResult::Failed, LastWriteError()};
  }
  WriteResult written = WriteAll(handle, bytes);
  if (written && flush == Flush::Yes && ::FlushFileBuffers(handle) == 0) {
    written = LastWriteError();
  }
  if (::CloseHandle(handle) == 0 && written) written = LastWriteError();
  if (written) return {CreateResult::Written};
  ::DeleteFileW(file.c_str());
  return {CreateResult::Failed, *written.Error()};
}

#else

Creation CreateAndWrite(const std::filesystem::path& file, std::string_view bytes, Flush flush) {
  // O_CREAT with O_EXCL fails on any existing name, a symbolic link included.
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return {CreateResult::NameTaken};
    if (errno == EACCES || errno == EPERM) return {CreateResult::Refused, WriteError::NoPermission};
    return {CreateResult::Failed, LastWriteError()};
  }
  WriteResult written = WriteAll(fd, bytes);
  if (written && flush == Flush::Yes && ::fsync(fd) != 0) written = LastWriteError();
  if (::close(fd) != 0 && written) written = LastWriteError();
  if (written) return {CreateResult::Written};
  ::unlink(file.c_str());
  return {CreateResult::Failed, *written.Error()};
}

#endif

TempFile WriteTempFile(const std::filesystem::path& folder, std::string_view bytes, Flush flush) {
  // A taken name is a collision of random names or a planted file: try a few fresh names.
  constexpr int kAttempts = 16;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::filesystem::path file = folder / TempName();
    const Creation created = CreateAndWrite(file, bytes, flush);
    if (created.result == CreateResult::Written) return {created.result, {}, std::move(file)};
    if (created.result != CreateResult::NameTaken) return {created.result, created.error, {}};
  }
  return {CreateResult::Failed, WriteError::Other, {}};
}

}  // namespace cinta
