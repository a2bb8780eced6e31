// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "support/TempFolder.h"
#include "textfile/FileRead.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#endif

namespace cinta {
namespace {

std::string AllBytes() {
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

struct ReadCase {
  const char* name;
  std::optional<std::string> content;  // nullopt: no file at all
  std::size_t maxBytes;
  std::optional<std::string> whole;
  std::optional<std::string> prefix;
};

const ReadCase kReadCases[] = {
    {"MissingFile", std::nullopt, 10, std::nullopt, std::nullopt},
    {"EmptyFile", "", 10, "", ""},
    {"ShorterThanCap", "abc", 10, "abc", "abc"},
    {"ExactlyAtCap", "abcde", 5, "abcde", "abcde"},
    {"OneByteOverCap", "abcdef", 5, std::nullopt, "abcde"},
    {"CapZeroEmptyFile", "", 0, "", ""},
    {"CapZeroNonEmptyFile", "a", 0, std::nullopt, ""},
    {"LineEndsUnchanged", "a\r\nb\n", 10, "a\r\nb\n", "a\r\nb\n"},
    {"EveryByteValue", AllBytes(), 256, AllBytes(), AllBytes()},
};

TEST(FileRead, ReadsWithinTheCap) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const std::filesystem::path file = folder.Path() / "file.txt";
    if (c.content) WriteBytes(file, *c.content);
    EXPECT_EQ(ReadWholeFile(file, c.maxBytes), c.whole);
    EXPECT_EQ(ReadFilePrefix(file, c.maxBytes), c.prefix);
  }
}

TEST(FileRead, FolderIsNoFile) {
  const TempFolder folder;
  EXPECT_EQ(ReadWholeFile(folder.Path(), 1 << 20), std::nullopt);
  EXPECT_EQ(ReadFilePrefix(folder.Path(), 1 << 20), std::nullopt);
}

TEST(FileRead, HugeFileIsJudgedBySizeAlone) {
  const TempFolder folder;
  const std::filesystem::path file = folder.Path() / "huge.txt";
  WriteBytes(file, "x");
  std::filesystem::resize_file(file, std::uintmax_t{100} << 20);  // sparse: no disk space used
  EXPECT_EQ(ReadWholeFile(file, 1 << 20), std::nullopt);
  const std::optional<std::string> prefix = ReadFilePrefix(file, 4);
  EXPECT_EQ(prefix, std::string("x\0\0\0", 4));
}

#if defined(__unix__) || defined(__APPLE__)
TEST(FileRead, PipeIsRefusedWithoutBlocking) {
  const TempFolder folder;
  const std::filesystem::path pipe = folder.Path() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Opening a pipe with no writer for reading would wait forever if it were opened blocking.
  EXPECT_EQ(ReadWholeFile(pipe, 10), std::nullopt);
  EXPECT_EQ(ReadFilePrefix(pipe, 10), std::nullopt);
}
#endif

}  // namespace
}  // namespace cinta
