// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "oplog/WriteReport.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

TEST(WriteReport, EachSaveReplacesTheLog) {
  const TempFolder program;
  const std::filesystem::path log = program.Path() / "operacion.txt";
  EXPECT_TRUE(WriteReport(program.Path(), "\r\n first report, the longer one\r\n"));
  EXPECT_EQ(ReadBytes(log), "\r\n first report, the longer one\r\n");
  EXPECT_TRUE(WriteReport(program.Path(), "\r\n second\r\n"));
  EXPECT_EQ(ReadBytes(log), "\r\n second\r\n");
  EXPECT_EQ(EntryNames(program.Path()), std::set<std::string>{"operacion.txt"});
}

TEST(WriteReport, MissingProgramFolderIsReported) {
  const TempFolder program;
  EXPECT_FALSE(WriteReport(program.Path() / "missing", "\r\n"));
  EXPECT_TRUE(std::filesystem::is_empty(program.Path()));
}

}  // namespace
}  // namespace cinta
