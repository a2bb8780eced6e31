// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/Configuration.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

// A program folder with only the one configuration file `name` (none when bytes is nullopt).
class ProgramFolder {
 public:
  ProgramFolder(const char* name, const std::optional<std::string>& bytes) {
    if (!bytes) return;
    fs::create_directory(Configuracion());
    WriteBytes(Configuracion() / name, *bytes);
  }
  fs::path Configuracion() const { return folder_.Path() / "configuracion"; }
  Configuration Read() const { return ReadConfiguration(folder_.Path()); }

 private:
  TempFolder folder_;
};

std::vector<std::string> Names(const Configuration& configuration) {
  return {configuration.operatorNames.begin(), configuration.operatorNames.end()};
}

std::vector<std::string> Tooltips(const Configuration& configuration) {
  return {configuration.tooltips.begin(), configuration.tooltips.end()};
}

const std::string kTwelveLines =
    "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\nL7\r\nL8\r\nL9\r\nL10\r\nL11\r\nL12\r\n";
const std::vector<std::string> kNoNames(13);
const std::vector<std::string> kNoTooltips(12);

struct NamesCase {
  const char* name;
  std::optional<std::string> inicio;
  std::vector<std::string> names;  // all 13 entries
};

const NamesCase kNamesCases[] = {
    {"MissingFileLeavesAllUnset", std::nullopt, kNoNames},
    {"EmptyFileLeavesAllUnset", "", kNoNames},
    {"TwelveLines",
     kTwelveLines,
     {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10", "L11", "L12", ""}},
    {"FourteenLinesLeaveEntryTwelveUnset",
     kTwelveLines + "L13\r\nL14\r\n",
     {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10", "L11", "L12", ""}},
    {"MissingLinesStayUnset", "a\r\nb", {"a", "b", "", "", "", "", "", "", "", "", "", "", ""}},
    {"EmptyLinesAreEmptyNames",
     "\r\n\r\nc\r\n",
     {"", "", "c", "", "", "", "", "", "", "", "", "", ""}},
    {"SpacesKept",
     "a\r\nb\r\nc\r\nd\r\n  Potencia  \r\n",
     {"a", "b", "c", "d", "  Potencia  ", "", "", "", "", "", "", "", ""}},
    {"TwelveLfLines",
     "L1\nL2\nL3\nL4\nL5\nL6\nL7\nL8\nL9\nL10\nL11\nL12\n",
     {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10", "L11", "L12", ""}},
    {"CrEndsLines", "Suma\rResta\r", {"Suma", "Resta", "", "", "", "", "", "", "", "", "", "", ""}},
    {"Windows1252Decoded",
     "Multiplicaci\xF3n\r\nRa\xEDz\r\n",
     {"Multiplicación", "Raíz", "", "", "", "", "", "", "", "", "", "", ""}},
    {"Utf8Kept",
     "Multiplicaci\xC3\xB3n\r\nRa\xC3\xADz\r\n",
     {"Multiplicación", "Raíz", "", "", "", "", "", "", "", "", "", "", ""}},
    {"Utf8ByteOrderMarkDropped",
     "\xEF\xBB\xBF"
     "Divisi\xC3\xB3n\nSuma\n",
     {"División", "Suma", "", "", "", "", "", "", "", "", "", "", ""}},
    {"OneByteOutsideUtf8MakesTheWholeFileWindows1252",
     "Ra\xC3\xADz\r\nDivisi\xF3n\r\n",
     {"Ra\xC3\x83\xC2\xADz", "División", "", "", "", "", "", "", "", "", "", "", ""}},
    {"BinaryBytesDecoded",
     std::string("\0\x01\x80\x9D\xFF\r\n\x1A", 8),
     {std::string("\0\x01€\xC2\x9Dÿ", 9), "\x1A", "", "", "", "", "", "", "", "", "", "", ""}},
};

TEST(ReadConfiguration, ReadsOperatorNamesFromInicio) {
  for (const NamesCase& c : kNamesCases) {
    SCOPED_TRACE(c.name);
    const Configuration configuration = ProgramFolder("inicio.txt", c.inicio).Read();
    EXPECT_EQ(Names(configuration), c.names);
    EXPECT_EQ(Tooltips(configuration), kNoTooltips);
    EXPECT_EQ(configuration.currencySymbol, "");
  }
}

struct TooltipsCase {
  const char* name;
  std::optional<std::string> ayuda;
  std::vector<std::string> tooltips;
};

const TooltipsCase kTooltipsCases[] = {
    {"MissingFileGivesNoTooltips", std::nullopt, kNoTooltips},
    {"EmptyFileGivesNoTooltips", "", kNoTooltips},
    {"TwelveLines",
     kTwelveLines + "L13\r\n",
     {"L1", "L2", "L3", "L4", "L5", "L6", "L7", "L8", "L9", "L10", "L11", "L12"}},
    {"ThreeLinesRepeatTheLast",
     "a\r\nb\r\nc\r\n",
     {"a", "b", "c", "c", "c", "c", "c", "c", "c", "c", "c", "c"}},
    {"EmptyLastLineRepeatsEmpty", "a\r\n\r\n", {"a", "", "", "", "", "", "", "", "", "", "", ""}},
    {"LfEndsLines", "a\nb\n", {"a", "b", "b", "b", "b", "b", "b", "b", "b", "b", "b", "b"}},
    {"Utf8WithByteOrderMark",
     "\xEF\xBB\xBF"
     "Ra\xC3\xADz\n",
     {"Raíz", "Raíz", "Raíz", "Raíz", "Raíz", "Raíz", "Raíz", "Raíz", "Raíz", "Raíz", "Raíz",
      "Raíz"}},
    {"SpacesKeptAndDecoded",
     " Divisi\xF3n \r\n",
     {" División ", " División ", " División ", " División ", " División ", " División ",
      " División ", " División ", " División ", " División ", " División ", " División "}},
};

TEST(ReadConfiguration, ReadsTooltipsFromAyuda) {
  for (const TooltipsCase& c : kTooltipsCases) {
    SCOPED_TRACE(c.name);
    const Configuration configuration = ProgramFolder("ayuda.txt", c.ayuda).Read();
    EXPECT_EQ(Tooltips(configuration), c.tooltips);
    EXPECT_EQ(Names(configuration), kNoNames);
  }
}

struct CurrencyCase {
  const char* name;
  std::optional<std::string> moneda;
  std::string currencySymbol;
};

const CurrencyCase kCurrencyCases[] = {
    {"MissingFileGivesNoSign", std::nullopt, ""},
    {"EmptyFileGivesNoSign", "", ""},
    {"EuroByte", "\x80\r\n", "€"},
    {"FirstLetterOnly", "EUR\r\n", "E"},
    {"LeadingSpaceIsTheSign", " EUR", " "},
    {"PoundByte", "\xA3", "£"},
    {"Utf8Euro", "\xE2\x82\xAC\n", "€"},
    {"Utf8EuroAfterByteOrderMark", "\xEF\xBB\xBF\xE2\x82\xAC\r\n", "€"},
    {"Utf8FourByteSign", "\xF0\x9F\x92\xB0 bolsa", "\xF0\x9F\x92\xB0"},
    {"ByteOrderMarkAloneGivesNoSign", "\xEF\xBB\xBF", ""},
    {"Utf8EuroBeforeAByteOutsideUtf8IsWindows1252", "\xE2\x82\xAC \x80", "â"},
};

TEST(ReadConfiguration, ReadsTheFirstCharacterOfMoneda) {
  for (const CurrencyCase& c : kCurrencyCases) {
    SCOPED_TRACE(c.name);
    const Configuration configuration = ProgramFolder("moneda.txt", c.moneda).Read();
    EXPECT_EQ(configuration.currencySymbol, c.currencySymbol);
    EXPECT_EQ(Tooltips(configuration), kNoTooltips);
  }
}

TEST(ReadConfiguration, NoConfigurationFolderLeavesEverythingEmpty) {
  const TempFolder folder;
  const Configuration configuration = ReadConfiguration(folder.Path());
  EXPECT_EQ(Names(configuration), kNoNames);
  EXPECT_EQ(Tooltips(configuration), kNoTooltips);
  EXPECT_EQ(configuration.currencySymbol, "");
  EXPECT_EQ(Names(ReadConfiguration(folder.Path() / "missing")), kNoNames);
}

TEST(ReadConfiguration, FoldersNamedLikeTheFilesCountAsMissing) {
  const TempFolder folder;
  for (const char* name : {"inicio.txt", "ayuda.txt", "moneda.txt"}) {
    fs::create_directories(folder.Path() / "configuracion" / name);
  }
  const Configuration configuration = ReadConfiguration(folder.Path());
  EXPECT_EQ(Names(configuration), kNoNames);
  EXPECT_EQ(Tooltips(configuration), kNoTooltips);
  EXPECT_EQ(configuration.currencySymbol, "");
}

TEST(ReadConfiguration, EachFileIsReadOnItsOwn) {
  ProgramFolder program("ayuda.txt", "a\r\n");
  fs::create_directory(program.Configuracion() / "inicio.txt");
  WriteBytes(program.Configuracion() / "moneda.txt", "$");
  const Configuration configuration = program.Read();
  EXPECT_EQ(Names(configuration), kNoNames);
  EXPECT_EQ(configuration.tooltips[11], "a");
  EXPECT_EQ(configuration.currencySymbol, "$");
}

// Only the beginning of a long file is read. Whatever the bound, one of three shifts of a line of
// three-byte characters has it cut a character short, and the file must stay UTF-8 all the same.
TEST(ReadConfiguration, LongUtf8FilesCutAtTheReadBoundStayUtf8) {
  for (const std::string first : {"A\xC3\xB1o", "A\xC3\xB1o ", "A\xC3\xB1o  "}) {
    std::string inicio = first + "\r\n";
    for (int euro = 0; euro < 30000; ++euro) inicio += "\xE2\x82\xAC";
    const Configuration configuration = ProgramFolder("inicio.txt", inicio).Read();
    EXPECT_EQ(configuration.operatorNames[0], first);
    const std::string& euros = configuration.operatorNames[1];
    EXPECT_TRUE(euros.starts_with("\xE2\x82\xAC"));
    EXPECT_EQ(euros.size() % 3, 0U);
    EXPECT_EQ(euros.find_first_not_of("\xE2\x82\xAC"), std::string::npos);
  }
}

TEST(ReadConfiguration, HugeFilesAreReadOnlyAsFarAsNeeded) {
  constexpr std::uintmax_t kHundredMegabytes = std::uintmax_t{100} << 20;
  constexpr std::size_t kMegabyte = 1 << 20;
  ProgramFolder program("inicio.txt", "Suma\r\n");
  for (const char* name : {"inicio.txt", "ayuda.txt", "moneda.txt"}) {
    const fs::path file = program.Configuracion() / name;
    WriteBytes(file, "X\r\nY");
    fs::resize_file(file, kHundredMegabytes);  // sparse: a line of NUL bytes to the end
  }
  const Configuration configuration = program.Read();
  EXPECT_EQ(configuration.operatorNames[0], "X");
  EXPECT_EQ(configuration.currencySymbol, "X");
  const std::string& longName = configuration.operatorNames[1];
  ASSERT_FALSE(longName.empty());
  EXPECT_EQ(longName[0], 'Y');
  EXPECT_LE(longName.size(), kMegabyte);
  EXPECT_EQ(longName.find_first_not_of('\0', 1), std::string::npos);
  EXPECT_EQ(configuration.operatorNames[2], "");
  EXPECT_EQ(configuration.tooltips[11], longName);
}

}  // namespace
}  // namespace cinta
