// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/FormatWithPattern.h"
#include "calc/Views.h"

namespace cinta {
namespace {

// One value in the four formatted modes, with "$" as the currency symbol.
struct ModesCase {
  const char* name;
  double value;
  const char* mode0;
  const char* mode2;
  const char* mode3;
  const char* mode4;
};

const ModesCase kModesCases[] = {
    {"TwoDecimals", 1234.56, "1.234,56", "1.234,56 $", "1.235", "1.235 $"},
    {"OneDecimalPadded", 1234.5, "1.234,50", "1.234,50 $", "1.235", "1.235 $"},
    {"Zero", 0, "0,00", "0,00 $", "0", "0 $"},
    {"NegativeGrouped", -9876543.219, "-9.876.543,22", "-9.876.543,22 $", "-9.876.543",
     "-9.876.543 $"},
    {"BelowOne", 0.4, "0,40", "0,40 $", "0", "0 $"},
    {"NegativeRoundingToZeroHasNoSign", -0.004, "0,00", "0,00 $", "0", "0 $"},
    {"NegativeZero", -0.0, "0,00", "0,00 $", "0", "0 $"},
    {"HalfAwayFromZero", 2.5, "2,50", "2,50 $", "3", "3 $"},
    {"NegativeHalfAwayFromZero", -2.5, "-2,50", "-2,50 $", "-3", "-3 $"},
    {"DecimalHalfRoundsUp", 1234.565, "1.234,57", "1.234,57 $", "1.235", "1.235 $"},
    {"DecimalHalfOfSmallValue", 1.005, "1,01", "1,01 $", "1", "1 $"},
    {"CarryIntoNewGroup", 999999.995, "1.000.000,00", "1.000.000,00 $", "1.000.000", "1.000.000 $"},
    {"RoundsUpFromBelowLastPlace", 0.005, "0,01", "0,01 $", "0", "0 $"},
    {"ThreeDigitsUngrouped", 100, "100,00", "100,00 $", "100", "100 $"},
    {"FourDigitsGrouped", 1000, "1.000,00", "1.000,00 $", "1.000", "1.000 $"},
    {"Tiny", 1e-300, "0,00", "0,00 $", "0", "0 $"},
    {"FifteenDigits", 123456789012345.0, "123.456.789.012.345,00", "123.456.789.012.345,00 $",
     "123.456.789.012.345", "123.456.789.012.345 $"},
};

TEST(FormatWithPattern, FormatsEveryModeWithDotGroupsAndCommaDecimals) {
  for (const ModesCase& c : kModesCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatWithPattern(c.value, PatternForFormatMode(FormatMode(0), "$")), c.mode0);
    EXPECT_EQ(FormatWithPattern(c.value, PatternForFormatMode(FormatMode(2), "$")), c.mode2);
    EXPECT_EQ(FormatWithPattern(c.value, PatternForFormatMode(FormatMode(3), "$")), c.mode3);
    EXPECT_EQ(FormatWithPattern(c.value, PatternForFormatMode(FormatMode(4), "$")), c.mode4);
  }
}

TEST(FormatWithPattern, GroupsTheWholeIntegerPartOfHugeValues) {
  std::string expected = "1";
  for (int group = 0; group < 100; ++group) expected += ".000";
  EXPECT_EQ(FormatWithPattern(1e300, "##,##0"), expected);
  EXPECT_EQ(FormatWithPattern(-1e300, "##,##0.00"), "-" + expected + ",00");
}

struct SymbolCase {
  const char* name;
  const char* symbol;
  int mode;
  const char* expected;
};

// The symbol follows the numeric section, so it is copied even when it is a pattern character.
const SymbolCase kSymbolCases[] = {
    {"Euro", "\u20ac", 2, "1.234,56 \u20ac"},
    {"EuroWithoutDecimals", "\u20ac", 4, "1.235 \u20ac"},
    {"EmptySymbolLeavesBlank", "", 2, "1.234,56 "},
    {"ZeroSymbol", "0", 2, "1.234,56 0"},
    {"ZeroSymbolWithoutDecimals", "0", 4, "1.235 0"},
    {"HashSymbol", "#", 2, "1.234,56 #"},
    {"PointSymbol", ".", 4, "1.235 ."},
    {"CommaSymbol", ",", 2, "1.234,56 ,"},
    {"PercentSymbolDoesNotScale", "%", 2, "1.234,56 %"},
    {"SymbolIgnoredByModeZero", "\u20ac", 0, "1.234,56"},
    {"SymbolIgnoredByModeThree", "\u20ac", 3, "1.235"},
};

TEST(FormatWithPattern, CopiesTheCurrencySymbolLiterally) {
  for (const SymbolCase& c : kSymbolCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatWithPattern(1234.56, PatternForFormatMode(*FormatModeOfKey(c.mode), c.symbol)),
              c.expected);
  }
}

}  // namespace
}  // namespace cinta
