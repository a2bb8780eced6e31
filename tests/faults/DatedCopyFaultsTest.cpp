// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDateTime>
#include <filesystem>
#include <optional>
#include <string>

#include "FaultInjection.h"
#include "support/TempFolder.h"
#include "textfile/AtomicWrite.h"
#include "viewer/DatedCopyName.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

const QDateTime kSaved(QDate(2011, 12, 6), QTime(9, 5, 30));

// Prepares the fault under `root`, whose operaciones/ the copy goes to; `outside` stands for
// everything beyond the program folder and holds "kept.txt".
using InjectFault = void (*)(const fs::path& root, const fs::path& outside);

struct CopyFault {
  const char* name;
  InjectFault inject;
  bool diskFull;
  std::optional<std::string> written;  // the copy's name in operaciones/, nullopt: none written
  std::optional<WriteError> failure;   // why none was written
};

void Operaciones(const fs::path& root, const fs::path&) {
  fs::create_directory(root / "operaciones");
}

void NameTaken(const fs::path& root, const fs::path& outside) {
  Operaciones(root, outside);
  WriteBytes(root / "operaciones" / DatedCopyName(kSaved), "earlier copy");
}

void LinkAtTheName(const fs::path& root, const fs::path& outside) {
  Operaciones(root, outside);
  fs::create_symlink(outside / "kept.txt", root / "operaciones" / DatedCopyName(kSaved));
}

void DanglingLinkAtTheName(const fs::path& root, const fs::path& outside) {
  Operaciones(root, outside);
  fs::create_symlink(outside / "created.txt", root / "operaciones" / DatedCopyName(kSaved));
}

void FolderAtTheName(const fs::path& root, const fs::path& outside) {
  Operaciones(root, outside);
  fs::create_directory(root / "operaciones" / DatedCopyName(kSaved));
}

void NoOperaciones(const fs::path&, const fs::path&) {}

void FileAtOperaciones(const fs::path& root, const fs::path&) {
  WriteBytes(root / "operaciones", "a file");
}

void LinkAtOperaciones(const fs::path& root, const fs::path& outside) {
  fs::create_symlink(outside / "kept.txt", root / "operaciones");
}

const CopyFault kCopyFaults[] = {
    {"FreeNameIsUsed", Operaciones, false, "2011-12-6--9-5", std::nullopt},
    {"TakenNameKeepsBothCopies", NameTaken, false, "2011-12-6--9-5 (2)", std::nullopt},
    {"LinkAtTheNameIsNeverFollowed", LinkAtTheName, false, "2011-12-6--9-5 (2)", std::nullopt},
    {"DanglingLinkAtTheNameIsNeverFollowed", DanglingLinkAtTheName, false, "2011-12-6--9-5 (2)",
     std::nullopt},
    {"FolderAtTheNameIsLeftAlone", FolderAtTheName, false, "2011-12-6--9-5 (2)", std::nullopt},
    {"MissingOperacionesWritesNothing", NoOperaciones, false, std::nullopt, WriteError::Other},
    {"FileWhereOperacionesShouldBeWritesNothing", FileAtOperaciones, false, std::nullopt,
     WriteError::Other},
    {"LinkToAFileAtOperacionesWritesNothing", LinkAtOperaciones, false, std::nullopt,
     WriteError::Other},
    {"DiskFullWritesNothing", Operaciones, true, std::nullopt, WriteError::DiskFull},
};

// The copy either appears whole under a free name, or nothing is written at all; what was there
// before is kept, and nothing outside the program folder is written.
TEST(DatedCopyFaults, CopyIsWholeUnderAFreeNameOrNotWritten) {
  const std::string text = "\r\n 1 )   5\r\n";
  for (const CopyFault& c : kCopyFaults) {
    SCOPED_TRACE(c.name);
    const TempFolder root;
    const TempFolder outside;
    WriteBytes(outside.Path() / "kept.txt", "outside");
    c.inject(root.Path(), outside.Path());
    const FolderSnapshot rootBefore = Snapshot(root.Path());
    const FolderSnapshot outsideBefore = Snapshot(outside.Path());

    const fs::path operaciones = root.Path() / "operaciones";
    std::optional<FileSizeLimit> limit;
    if (c.diskFull) limit.emplace(4);
    const NewFile written = WriteNewFileAtomically(operaciones, DatedCopyName(kSaved), text);
    limit.reset();

    FolderSnapshot expected = rootBefore;
    EXPECT_EQ(written.result.Error(), c.failure);
    if (c.written) {
      EXPECT_EQ(written.path, operaciones / *c.written);
      expected["operaciones/" + *c.written] = "file:" + text;
    }
    EXPECT_EQ(Snapshot(root.Path()), expected);
    EXPECT_EQ(Snapshot(outside.Path()), outsideBefore);
  }
}

TEST(DatedCopyFaults, ThreeCopiesInOneMinuteAreAllKept) {
  const TempFolder root;
  const fs::path operaciones = root.Path() / "operaciones";
  fs::create_directory(operaciones);
  const char* const texts[] = {"first", "second", "third"};
  for (int second = 0; second < 3; ++second) {
    WriteNewFileAtomically(operaciones, DatedCopyName(kSaved.addSecs(second * 10)), texts[second]);
  }
  EXPECT_EQ(Snapshot(operaciones), (FolderSnapshot{{"2011-12-6--9-5", "file:first"},
                                                   {"2011-12-6--9-5 (2)", "file:second"},
                                                   {"2011-12-6--9-5 (3)", "file:third"}}));
}

}  // namespace
}  // namespace cinta
