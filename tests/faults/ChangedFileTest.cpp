// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

#include "support/TempFolder.h"
#include "viewer/FileText.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

// Changes the listed `file` before the viewer reads it.
using ChangeFile = void (*)(const fs::path& file);

void Deleted(const fs::path& file) {
  fs::remove(file);
}

void ReplacedByAFolder(const fs::path& file) {
  fs::remove(file);
  fs::create_directory(file);
}

void ReplacedByAPipe(const fs::path& file) {
  fs::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
}

void ReplacedByALinkToAnEndlessDevice(const fs::path& file) {
  fs::remove(file);
  fs::create_symlink("/dev/zero", file);
}

void ReplacedByAnOversizedFile(const fs::path& file) {
  fs::resize_file(file, kMaxShownFileBytes + 1);
}

void ReplacedByOtherText(const fs::path& file) {
  const fs::path other = file.parent_path() / "other";
  WriteBytes(other, "Ra\xEDz\r\n");
  fs::rename(other, file);
}

struct ChangedFile {
  const char* name;
  ChangeFile change;
  std::optional<QString> text;
};

const ChangedFile kChangedFiles[] = {
    {"DeletedIsUnreadable", Deleted, std::nullopt},
    {"FolderIsUnreadable", ReplacedByAFolder, std::nullopt},
    {"PipeIsUnreadableWithoutBlocking", ReplacedByAPipe, std::nullopt},
    {"EndlessDeviceIsUnreadable", ReplacedByALinkToAnEndlessDevice, std::nullopt},
    {"OversizedFileIsUnreadable", ReplacedByAnOversizedFile, std::nullopt},
    {"OtherTextIsReadWhole", ReplacedByOtherText, QString::fromUtf8("Raíz\r\n")},
};

// What the viewer lists may change before it reads: it then reads the file as it now stands,
// or finds it unreadable, and never hangs.
TEST(ChangedFileFaults, FileChangedBetweenListingAndReading) {
  for (const ChangedFile& c : kChangedFiles) {
    SCOPED_TRACE(c.name);
    const TempFolder operaciones;
    WriteBytes(operaciones.Path() / "2011-12-6--9-5", "listed\r\n");
    std::vector<fs::path> listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(operaciones.Path())) {
      listed.push_back(entry.path());
    }
    ASSERT_EQ(listed.size(), 1u);
    c.change(listed.front());
    EXPECT_EQ(ReadTextFile(listed.front()), c.text);
  }
}

}  // namespace
}  // namespace cinta
