// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "config/Configuration.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {"inicio.txt", "ayuda.txt", "moneda.txt"};

// Puts the same fault at all three configuration files of `configuracion`.
using InjectFault = void (*)(const fs::path& configuracion);

void Folders(const fs::path& configuracion) {
  for (const char* name : kFiles) fs::create_directories(configuracion / name);
}

void WriteAll(const fs::path& configuracion, const std::string& bytes) {
  fs::create_directory(configuracion);
  for (const char* name : kFiles) WriteBytes(configuracion / name, bytes);
}

void Empty(const fs::path& configuracion) {
  WriteAll(configuracion, "");
}

void LfOnly(const fs::path& configuracion) {
  WriteAll(configuracion, "Suma\nResta\n");
}

void NoFinalLineEnd(const fs::path& configuracion) {
  WriteAll(configuracion, "Suma\r\nResta");
}

void Binary(const fs::path& configuracion) {
  WriteAll(configuracion, std::string("\0\xFF\x1A\r\n\x81\x9D\r", 8));
}

// 100 MB of real lines, not a sparse file, hard-linked to the three names to spare the disk.
void HundredMegabytes(const fs::path& configuracion) {
  constexpr std::size_t kHundredMegabytes = std::size_t{100} << 20;
  std::string bytes;
  bytes.reserve(kHundredMegabytes);
  while (bytes.size() < kHundredMegabytes) bytes += "Suma\r\n";
  fs::create_directory(configuracion);
  WriteBytes(configuracion / kFiles[0], bytes);
  fs::create_hard_link(configuracion / kFiles[0], configuracion / kFiles[1]);
  fs::create_hard_link(configuracion / kFiles[0], configuracion / kFiles[2]);
}

// A device that never ends: reading it whole would never finish start-up.
void LinksToAnEndlessDevice(const fs::path& configuracion) {
  fs::create_directory(configuracion);
  for (const char* name : kFiles) fs::create_symlink("/dev/zero", configuracion / name);
}

// Opening a pipe without a writer would block start-up.
void Pipes(const fs::path& configuracion) {
  fs::create_directory(configuracion);
  for (const char* name : kFiles) ASSERT_EQ(::mkfifo((configuracion / name).c_str(), 0600), 0);
}

void FileAtTheFolder(const fs::path& configuracion) {
  WriteBytes(configuracion, "Suma\r\n");
}

struct ConfigurationFault {
  const char* name;
  InjectFault inject;
  std::vector<std::string> names;     // all 13 entries
  std::vector<std::string> tooltips;  // all 12
  std::string currencySymbol;
};

// `lines`, then `fill` up to `count` entries.
std::vector<std::string> Padded(std::vector<std::string> lines, std::size_t count,
                                const std::string& fill) {
  lines.resize(count, fill);
  return lines;
}

const std::vector<std::string> kNoNames(13);
const std::vector<std::string> kNoTooltips(12);

const ConfigurationFault kConfigurationFaults[] = {
    {"FoldersCountAsMissing", Folders, kNoNames, kNoTooltips, ""},
    {"EmptyFilesGiveNothing", Empty, kNoNames, kNoTooltips, ""},
    {"LfOnlyLineEndsEndLines", LfOnly, Padded({"Suma", "Resta"}, 13, ""),
     Padded({"Suma"}, 12, "Resta"), "S"},
    {"LastLineWithoutLineEndIsRead", NoFinalLineEnd, Padded({"Suma", "Resta"}, 13, ""),
     Padded({"Suma"}, 12, "Resta"), "S"},
    {"BinaryBytesAreDecoded", Binary,
     Padded({std::string("\0ÿ\x1A", 4), "\xC2\x81\xC2\x9D"}, 13, ""),
     Padded({std::string("\0ÿ\x1A", 4)}, 12, "\xC2\x81\xC2\x9D"), std::string(1, '\0')},
    {"HundredMegabytesAreReadOnlyAsFarAsNeeded", HundredMegabytes,
     Padded(Padded({}, 12, "Suma"), 13, ""), Padded({}, 12, "Suma"), "S"},
    {"EndlessDeviceCountsAsMissing", LinksToAnEndlessDevice, kNoNames, kNoTooltips, ""},
    {"PipesCountAsMissingWithoutBlocking", Pipes, kNoNames, kNoTooltips, ""},
    {"FileWhereTheFolderShouldBe", FileAtTheFolder, kNoNames, kNoTooltips, ""},
};

TEST(ConfigurationFaults, StartUpReadingCompletesWithTheDefinedTexts) {
  for (const ConfigurationFault& c : kConfigurationFaults) {
    SCOPED_TRACE(c.name);
    const TempFolder program;
    c.inject(program.Path() / "configuracion");
    const Configuration configuration = ReadConfiguration(program.Path());
    EXPECT_EQ(std::vector<std::string>(configuration.operatorNames.begin(),
                                       configuration.operatorNames.end()),
              c.names);
    EXPECT_EQ(
        std::vector<std::string>(configuration.tooltips.begin(), configuration.tooltips.end()),
        c.tooltips);
    EXPECT_EQ(configuration.currencySymbol, c.currencySymbol);
  }
}

}  // namespace
}  // namespace cinta
