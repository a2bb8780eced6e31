// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "textfile/AtomicWrite.h"

#if defined(__unix__) || defined(__APPLE__)
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
    if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(WriteFileAtomically, KeepsTheTargetsPermissions) {
  struct PermissionCase {
    const char* name;
    fs::perms perms;
    bool written;
  };
  using enum fs::perms;
  const PermissionCase cases[] = {
      {"WritableByOwnerReadableByGroup", owner_read | owner_write | group_read, true},
      {"WritableByAll",
       owner_read | owner_write | group_read | group_write | others_read | others_write, true},
      {"ReadOnlyIsLeftAlone", owner_read | group_read | others_read, false},
  };
  for (const PermissionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const fs::path target = folder.Path() / "operacion.txt";
    WriteBytes(target, "old report");
    fs::permissions(target, c.perms);
    EXPECT_TRUE(AsUnprivilegedUser(
        folder.Path(), [&] { return WriteFileAtomically(target, "new report") == c.written; }));
    EXPECT_EQ(ReadBytes(target), c.written ? "new report" : "old report");
    EXPECT_EQ(fs::status(target).permissions(), c.perms);
    EXPECT_EQ(EntryNames(folder.Path()), std::set<std::string>{"operacion.txt"});
  }
}

TEST(WriteFileAtomically, WriteFailingHalfwayKeepsTheOldFileWhole) {
  const TempFolder folder;
  const fs::path target = folder.Path() / "operacion.txt";
  WriteBytes(target, "old report");
  {
    const FileSizeLimit limit(64);
    EXPECT_FALSE(WriteFileAtomically(target, std::string(4096, 'x')));
    EXPECT_EQ(WriteNewFileAtomically(folder.Path(), "copy", std::string(4096, 'x')), std::nullopt);
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
    EXPECT_EQ(WriteNewFileAtomically(folder.Path(), "2011-12-6--9-5", "copy"),
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
  EXPECT_EQ(WriteNewFileAtomically(folder.Path(), "n", "copy"), folder.Path() / "n (4)");
  EXPECT_EQ(ReadBytes(folder.Path() / "n (4)"), "copy");
  EXPECT_EQ(ReadBytes(outside), "keep");
  EXPECT_FALSE(fs::exists(dangling));
  EXPECT_TRUE(fs::is_empty(folder.Path() / "n (3)"));
}

TEST(WriteNewFileAtomically, MissingFolderWritesNothing) {
  const TempFolder folder;
  EXPECT_EQ(WriteNewFileAtomically(folder.Path() / "operaciones", "n", "copy"), std::nullopt);
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
    EXPECT_EQ(WriteNewFileAtomically(inner, "copy", "dated"), inner / "copy");
    EXPECT_EQ(ReadBytes(inner / "copy"), "dated");
    EXPECT_EQ(EntryNames(inner), (std::set<std::string>{"copy", "operacion.txt"}));
  }
}

}  // namespace
}  // namespace cinta
