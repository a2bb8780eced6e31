// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "FaultInjection.h"
#include "oplog/WriteReport.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

const std::string kOldReport = "\r\n old report\r\n";
const std::string kNewReport = "\r\n 1 )   5\r\n\r\n the new report\r\n";

// Prepares the fault in `root` and returns the program folder to save in; `outside` stands for
// everything beyond the program folder and holds "kept.txt".
using InjectFault = fs::path (*)(const fs::path& root, const fs::path& outside);

struct SaveFault {
  const char* name;
  InjectFault inject;
  bool diskFull;
  std::optional<WriteError> failure;  // nullopt: saved
};

fs::path WithOldReport(const fs::path& root, const fs::path&) {
  WriteBytes(root / "operacion.txt", kOldReport);
  return root;
}

fs::path Nothing(const fs::path& root, const fs::path&) {
  return root;
}

fs::path FolderAtTheLog(const fs::path& root, const fs::path&) {
  fs::create_directory(root / "operacion.txt");
  WriteBytes(root / "operacion.txt" / "inside.txt", "inside");
  return root;
}

fs::path FileAtTheProgramFolder(const fs::path& root, const fs::path&) {
  WriteBytes(root / "program", "a file");
  return root / "program";
}

fs::path MissingProgramFolder(const fs::path& root, const fs::path&) {
  return root / "missing";
}

fs::path LinkToOutsideFile(const fs::path& root, const fs::path& outside) {
  fs::create_symlink(outside / "kept.txt", root / "operacion.txt");
  return root;
}

fs::path DanglingLinkToOutside(const fs::path& root, const fs::path& outside) {
  fs::create_symlink(outside / "created.txt", root / "operacion.txt");
  return root;
}

fs::path LinkToOutsideFolder(const fs::path& root, const fs::path& outside) {
  fs::create_symlink(outside, root / "operacion.txt");
  return root;
}

const SaveFault kSaveFaults[] = {
    {"DiskFullKeepsTheOldReport", WithOldReport, true, WriteError::DiskFull},
    {"DiskFullWithoutOldReportLeavesNothing", Nothing, true, WriteError::DiskFull},
    {"FolderAtTheLogIsLeftAlone", FolderAtTheLog, false, WriteError::Other},
    {"FileWhereTheProgramFolderShouldBe", FileAtTheProgramFolder, false, WriteError::Other},
    {"MissingProgramFolderIsNotCreated", MissingProgramFolder, false, WriteError::Other},
    {"LinkToAnOutsideFileIsReplaced", LinkToOutsideFile, false, std::nullopt},
    {"DanglingLinkIsReplacedNotFollowed", DanglingLinkToOutside, false, std::nullopt},
    {"LinkToAnOutsideFolderIsReplaced", LinkToOutsideFolder, false, std::nullopt},
};

// A failed save changes nothing at all and says why; a successful one changes only
// operacion.txt, into a regular file holding the new report; and nothing outside the program
// folder is ever written.
TEST(SaveFaults, FailedSaveChangesNothingAndNothingOutsideIsWritten) {
  for (const SaveFault& c : kSaveFaults) {
    SCOPED_TRACE(c.name);
    const TempFolder root;
    const TempFolder outside;
    WriteBytes(outside.Path() / "kept.txt", "outside");
    const fs::path program = c.inject(root.Path(), outside.Path());
    const FolderSnapshot rootBefore = Snapshot(root.Path());
    const FolderSnapshot outsideBefore = Snapshot(outside.Path());

    std::optional<FileSizeLimit> limit;
    if (c.diskFull) limit.emplace(8);
    const WriteResult saved = WriteReport(program, kNewReport);
    limit.reset();

    EXPECT_EQ(saved.Error(), c.failure);
    FolderSnapshot expected = rootBefore;
    if (saved) {
      const fs::path log = program / "operacion.txt";
      expected[log.lexically_relative(root.Path()).string()] = "file:" + kNewReport;
    }
    EXPECT_EQ(Snapshot(root.Path()), expected);
    EXPECT_EQ(Snapshot(outside.Path()), outsideBefore);
  }
}

}  // namespace
}  // namespace cinta
