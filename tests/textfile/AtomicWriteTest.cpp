// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "textfile/AtomicWrite.h"

#if defined(__unix__) || defined(__APPLE__)
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#endif

namespace cinta {
namespace {

namespace fs = std::filesystem;

struct ReplaceCase {
  const char* name;
  std::optional<std::string> old;  // nullopt: no file before
  std::string bytes;
};

const ReplaceCase kReplaceCases[] = {
    {"CreatesNewFile", std::nullopt, "\r\n 1 )   5\r\n"},
    {"ShorterContentLeavesNoOldTail", "0123456789", "ab"},
    {"EmptyContentEmptiesFile", "old", ""},
    {"BinaryContent", "old", std::string("\0\x80\xFF\r\n", 5)},
};

TEST(WriteFileAtomically, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  for (const ReplaceCase& c : kReplaceCases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const fs::path target = folder.Path() / "operacion.txt";
    if (c.old) WriteBytes(target, *c.old);
    EXPECT_TRUE(WriteFileAtomically(target, c.bytes));
    EXPECT_EQ(ReadBytes(target), c.bytes);
    EXPECT_EQ(EntryNames(folder.Path()), std::set<std::string>{"operacion.txt"});
  }
}

TEST(WriteFileAtomically, ReplacesSymbolicLinksWithoutFollowingThem) {
  struct LinkCase {
    const char* name;
    bool linkTargetExists;
  };
  for (const LinkCase c : {LinkCase{"LinkToFile", true}, LinkCase{"DanglingLink", false}}) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const fs::path elsewhere = folder.Path() / "elsewhere.txt";
    const fs::path target = folder.Path() / "operacion.txt";
    if (c.linkTargetExists) WriteBytes(elsewhere, "keep");
    if (!CreateSymlinkIfSupported(elsewhere, target)) GTEST_SKIP() << "no symbolic links";
    EXPECT_TRUE(WriteFileAtomically(target, "new"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(fs::exists(elsewhere), c.linkTargetExists);
    if (c.linkTargetExists) {
      EXPECT_EQ(ReadBytes(elsewhere), "keep");
    }
  }
}

TEST(WriteFileAtomically, FailsWithoutHarm) {
  const TempFolder folder;
  const fs::path folderAtTarget = folder.Path() / "operacion.txt";
  fs::create_directory(folderAtTarget);
  WriteBytes(folderAtTarget / "inside.txt", "keep");
  EXPECT_FALSE(WriteFileAtomically(folderAtTarget, "new"));
  EXPECT_TRUE(fs::is_directory(folderAtTarget));
  EXPECT_EQ(ReadBytes(folderAtTarget / "inside.txt"), "keep");

  EXPECT_FALSE(WriteFileAtomically(folder.Path() / "missing" / "operacion.txt", "new"));
  EXPECT_EQ(EntryNames(folder.Path()), std::set<std::string>{"operacion.txt"});
}

#if defined(__unix__) || defined(__APPLE__)
// Runs `check` in a child process as a user without root's power to write whatever the
// permissions say, and returns whether it returned true. `folder` is handed to that user.
bool AsUnprivilegedUser(const fs::path& folder, const std::function<bool()>& check) {
  constexpr uid_t kNobody = 65534;
  const bool root = ::geteuid() == 0;
  if (root) {
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return false;
    if (::chown(folder.c_str(), kNobody, kNobody) != 0) return false;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    if (root && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
      ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A folder an administrator set up may refuse new files to the user and still let them write
// the file in it: no temporary file can be made there, so the file is rewritten in place.
TEST(WriteFileAtomically, FollowsThePermissionsOfTargetAndFolder) {
  struct PermissionCase {
    const char* name;
    fs::perms perms;
    bool folderWritable;
    std::size_t sizeLimit;              // 0: none; else a full disk
    std::optional<WriteError> failure;  // nullopt: written
  };
  using enum fs::perms;
  constexpr fs::perms kReadOnly = owner_read | group_read | others_read;
  constexpr fs::perms kWritable = owner_read | owner_write | group_read;
  const PermissionCase cases[] = {
      {"WritableByOwnerReadableByGroup", kWritable, true, 0, std::nullopt},
      {"WritableByAll",
       owner_read | owner_write | group_read | group_write | others_read | others_write, true, 0,
       std::nullopt},
      {"ReadOnlyIsLeftAlone", kReadOnly, true, 0, WriteError::NoPermission},
      {"ReadOnlyFolderRewritesInPlace", kWritable, false, 0, std::nullopt},
      {"ReadOnlyFolderAndFileIsLeftAlone", kReadOnly, false, 0, WriteError::NoPermission},
      {"ReadOnlyFolderOnAFullDiskKeepsTheOldFile", kWritable, false, 64, WriteError::DiskFull},
  };
  for (const PermissionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const fs::path target = folder.Path() / "operacion.txt";
    const std::string old = "old report";
    const std::string report = "new report" + std::string(100, '.');
    WriteBytes(target, old);
    fs::permissions(target, c.perms);
    if (!c.folderWritable) fs::permissions(folder.Path(), owner_read | owner_exec);
    EXPECT_TRUE(AsUnprivilegedUser(folder.Path(), [&] {
      const std::optional<FileSizeLimit> fullDisk =
          c.sizeLimit == 0 ? std::nullopt : std::make_optional<FileSizeLimit>(c.sizeLimit);
      return WriteFileAtomically(target, report).Error() == c.failure;
    }));
    fs::permissions(folder.Path(), owner_all);
    EXPECT_EQ(ReadBytes(target), c.failure ? old : report);
    EXPECT_EQ(fs::status(target).permissions(), c.perms);
    EXPECT_EQ(EntryNames(folder.Path()), std::set<std::string>{"operacion.txt"});
  }
}

// Rewriting in place never writes through a link, nor into anything but a file.
TEST(WriteFileAtomically, ReadOnlyFolderRefusesLinksAndFolders) {
  const TempFolder folder;
  const TempFolder outside;
  const fs::path elsewhere = outside.Path() / "elsewhere.txt";
  WriteBytes(elsewhere, "keep");
  fs::permissions(elsewhere, fs::perms::all);
  fs::create_symlink(elsewhere, folder.Path() / "link.txt");
  fs::create_directory(folder.Path() / "folder.txt");
  fs::permissions(folder.Path() / "folder.txt", fs::perms::all);
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_TRUE(AsUnprivilegedUser(folder.Path(), [&] {
    return !WriteFileAtomically(folder.Path() / "link.txt", "new") &&
           !WriteFileAtomically(folder.Path() / "folder.txt", "new");
  }));
  fs::permissions(folder.Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(elsewhere), "keep");
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.txt"));
  EXPECT_TRUE(fs::is_empty(folder.Path() / "folder.txt"));
}

TEST(WriteFileAtomically, WriteFailingHalfwayKeepsTheOldFileWhole) {
  const TempFolder folder;
  const fs::path target = folder.Path() / "operacion.txt";
  WriteBytes(target, "old report");
  {
    const FileSizeLimit limit(64);
    EXPECT_EQ(WriteFileAtomically(target, std::string(4096, 'x')).Error(), WriteError::DiskFull);
    EXPECT_EQ(WriteNewFileAtomically(folder.Path(), "copy", std::string(4096, 'x')).result.Error(),
              WriteError::DiskFull);
  }
  EXPECT_EQ(ReadBytes(target), "old report");
  EXPECT_EQ(EntryNames(folder.Path()), std::set<std::string>{"operacion.txt"});
}
#endif

struct NewFileCase {
  const char* name;
  std::vector<std::string> taken;
  std::string expected;
};

const NewFileCase kNewFileCases[] = {
    {"FreeNameIsUsed", {}, "2011-12-6--9-5"},
    {"TakenNameGoesToTwo", {"2011-12-6--9-5"}, "2011-12-6--9-5 (2)"},
    {"TwoTakenGoesToThree", {"2011-12-6--9-5", "2011-12-6--9-5 (2)"}, "2011-12-6--9-5 (3)"},
    {"GapIsFilled", {"2011-12-6--9-5", "2011-12-6--9-5 (3)"}, "2011-12-6--9-5 (2)"},
    {"OnlyTheExactNameCounts", {"2011-12-6--9-5 (2)", "2011-12-6--9-50"}, "2011-12-6--9-5"},
};

TEST(WriteNewFileAtomically, TakesTheFirstFreeName) {
  for (const NewFileCase& c : kNewFileCases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    std::set<std::string> expectedNames = {c.expected};
    for (const std::string& name : c.taken) {
      WriteBytes(folder.Path() / name, "taken " + name);
      expectedNames.insert(name);
    }
    EXPECT_EQ(WriteNewFileAtomically(folder.Path(), "2011-12-6--9-5", "copy").path,
              folder.Path() / c.expected);
    EXPECT_EQ(ReadBytes(folder.Path() / c.expected), "copy");
    for (const std::string& name : c.taken)
      EXPECT_EQ(ReadBytes(folder.Path() / name), "taken " + name);
    EXPECT_EQ(EntryNames(folder.Path()), expectedNames);
  }
}

TEST(WriteNewFileAtomically, LinksAndFoldersCountAsTaken) {
  const TempFolder folder;
  const fs::path outside = folder.Path() / "outside.txt";
  const fs::path dangling = folder.Path() / "nowhere.txt";
  WriteBytes(outside, "keep");
  if (!CreateSymlinkIfSupported(outside, folder.Path() / "n")) GTEST_SKIP() << "no symbolic links";
  CreateSymlinkIfSupported(dangling, folder.Path() / "n (2)");
  fs::create_directory(folder.Path() / "n (3)");
  EXPECT_EQ(WriteNewFileAtomically(folder.Path(), "n", "copy").path, folder.Path() / "n (4)");
  EXPECT_EQ(ReadBytes(folder.Path() / "n (4)"), "copy");
  EXPECT_EQ(ReadBytes(outside), "keep");
  EXPECT_FALSE(fs::exists(dangling));
  EXPECT_TRUE(fs::is_empty(folder.Path() / "n (3)"));
}

TEST(WriteNewFileAtomically, MissingFolderWritesNothing) {
  const TempFolder folder;
  EXPECT_EQ(WriteNewFileAtomically(folder.Path() / "operaciones", "n", "copy").result.Error(),
            WriteError::Other);
  EXPECT_TRUE(fs::is_empty(folder.Path()));
}

// Windows reaches names outside its ANSI code page only through the wide file functions; the
// program folder may sit under any user's name.
TEST(AtomicWrite, WritesIntoFoldersOfAnyName) {
  const std::u8string names[] = {u8"Cálculo €", u8"Λογαριασμοί", u8"計算"};
  for (const std::u8string& name : names) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    const TempFolder folder;
    const fs::path inner = folder.Path() / fs::path(name);
    fs::create_directory(inner);
    EXPECT_TRUE(WriteFileAtomically(inner / "operacion.txt", "report"));
    EXPECT_EQ(ReadBytes(inner / "operacion.txt"), "report");
    EXPECT_EQ(WriteNewFileAtomically(inner, "copy", "dated").path, inner / "copy");
    EXPECT_EQ(ReadBytes(inner / "copy"), "dated");
    EXPECT_EQ(EntryNames(inner), (std::set<std::string>{"copy", "operacion.txt"}));
  }
}

}  // namespace
}  // namespace cinta
