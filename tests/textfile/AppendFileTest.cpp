// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "support/TempFolder.h"
#include "textfile/AppendFile.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

// Appends go to the file that is there and nowhere else: nothing is created, no link followed.
TEST(AppendToFile, AppendsOnlyToARegularFileThatIsThere) {
  struct Case {
    const char* name;
    std::function<bool(const fs::path& file, const fs::path& outside)> setUp;
    bool appended;
  };
  const Case cases[] = {
      {"RegularFile",
       [](const fs::path& file, const fs::path&) {
         WriteBytes(file, "old");
         return true;
       },
       true},
      {"MissingFileIsNotCreated", [](const fs::path&, const fs::path&) { return true; }, false},
      {"FolderIsLeftAlone",
       [](const fs::path& file, const fs::path&) { return fs::create_directory(file); }, false},
      {"LinkIsNotFollowed",
       [](const fs::path& file, const fs::path& outside) {
         return CreateSymlinkIfSupported(outside, file);
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TempFolder folder;
    const fs::path file = folder.Path() / "recuperacion.dat";
    const fs::path outside = folder.Path() / "outside";
    WriteBytes(outside, "outside");
    if (!c.setUp(file, outside)) continue;
    const std::set<std::string> names = EntryNames(folder.Path());
    EXPECT_EQ(AppendToFile(file, " new"), c.appended);
    EXPECT_EQ(EntryNames(folder.Path()), names);
    EXPECT_EQ(ReadBytes(outside), "outside");
    if (c.appended) {
      EXPECT_EQ(ReadBytes(file), "old new");
    }
  }
}

}  // namespace
}  // namespace cinta
