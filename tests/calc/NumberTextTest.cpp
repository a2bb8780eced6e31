// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calc/NumberText.h"

namespace cinta {
namespace {

struct ReadCase {
  const char* name;
  std::string text;
  std::optional<double> expected;
};

// Expected values are C++ literals: the compiler's own correctly rounded reading is the oracle.
const ReadCase kReadCases[] = {
    {"EmptyIsZero", "", 0.0},
    {"ErrorTextIsZero", "ERROR", 0.0},
    {"LoneMinusIsZero", "-", 0.0},
    {"SecondSignEndsTheNumber", "--5", 0.0},
    {"PlusThenMinusIsZero", "+-5", 0.0},
    {"LettersEndTheNumber", "12abc", 12.0},
    {"SecondPointEndsTheNumber", "1.2.3", 1.2},
    {"CommaEndsTheNumber", "2,5", 2.0},
    {"ExponentWithSign", "1.5E+20", 1.5e20},
    {"LowerCaseExponent", "2e3", 2000.0},
    {"NegativeExponent", "25E-1", 2.5},
    {"ExponentWithoutDigitsIsIgnored", "12E", 12.0},
    {"ExponentSignWithoutDigitsIsIgnored", "12E+x", 12.0},
    {"PlusSign", "+7", 7.0},
    {"NegativeNumber", "-17.5", -17.5},
    {"LeadingPoint", ".5", 0.5},
    {"TrailingPoint", "5.", 5.0},
    {"PointAloneIsZero", ".", 0.0},
    {"ExponentAloneIsZero", "E5", 0.0},
    {"BlanksAnywhere", " 1 2\t.\n5 ", 12.5},
    {"BlanksAfterSignAndInExponent", "- 3 e 2", -300.0},
    {"BlanksAfterPlusSign", "+ 4", 4.0},
    {"BlankBeforeExponentDigits", "12E 5", 12e5},
    {"BlankInsideExponentDigits", "1e5 5", 1e55},
    {"BlankInsideDigitsAfterPoint", "0.2 5", 0.25},
    {"TrailingBlank", "5 ", 5.0},
    {"NegativeLeadingPoint", "-.5", -0.5},
    {"InfinityTextIsZero", "inf", 0.0},
    {"NegativeInfinityTextIsZero", "-inf", 0.0},
    {"NanTextIsZero", "nan", 0.0},
    {"DigitsBeforeInfinityText", "1inf", 1.0},
    {"NearestDoubleOfShortText", "0.1", 0.1},
    {"NearestDoubleOfLongText", "123456789012345678901234567890", 123456789012345678901234567890.0},
    {"NearestDoubleNearSmallestNormal", "2.2250738585072011e-308", 2.2250738585072011e-308},
    {"LargestDouble", "1.7976931348623157E308", std::numeric_limits<double>::max()},
    {"HexUpperCase", "&HFF", 255.0},
    {"HexLowerCase", "&hff", 255.0},
    {"HexWithBlanks", " & H 1 0", 16.0},
    {"HexStopsAtNonHexDigit", "&H1G", 1.0},
    {"HexWithoutDigitsIsZero", "&H", 0.0},
    {"HexBeyond64Bits", "&H10000000000000000", 18446744073709551616.0},
    {"OctalUpperCase", "&O17", 15.0},
    {"OctalLowerCase", "&o777", 511.0},
    {"OctalStopsAtEight", "&O178", 15.0},
    {"OctalBeyond64Bits", "&O2000000000000000000000", 18446744073709551616.0},
    {"OctalRoundsToNearest", "&O1777777777777777777777", 18446744073709551615.0},
    {"AmpersandWithoutBaseIsZero", "&X1", 0.0},
    {"SignBeforeAmpersandIsZero", "-&H10", 0.0},
    {"UnderflowReadsAsZero", "1E-400", 0.0},
    {"UnderflowByLeadingZeros", "0." + std::string(400, '0') + "1", 0.0},
    {"ZeroWithHugeExponent", "0E99999", 0.0},
    {"HugeNegativeExponent", "1E-99999999999999999999999", 0.0},
    {"OverflowIsReaderError", "1E400", std::nullopt},
    {"NegativeOverflowIsReaderError", "-1E309", std::nullopt},
    {"OverflowByDigitCount", "1" + std::string(400, '0'), std::nullopt},
    {"OverflowByHugeExponent", "1E99999999999999999999999", std::nullopt},
    {"RoundsBeyondLargestDouble", "1.79769313486232E+308", std::nullopt},
    {"HexOverflow", "&H" + std::string(257, 'F'), std::nullopt},
};

TEST(TextToNumber, ReadsTheLeadingNumber) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextToNumber(c.text), c.expected);
  }
}

struct WriteCase {
  const char* name;
  double value;
  const char* expected;
};

const WriteCase kWriteCases[] = {
    {"WholeNumber", 8, "8"},
    {"IntegerZerosKept", 100, "100"},
    {"Half", 0.5, "0.5"},
    {"Negative", -2.25, "-2.25"},
    {"Zero", 0.0, "0"},
    {"NegativeZeroHasNoSign", -0.0, "0"},
    {"FifteenThrees", 1.0 / 3, "0.333333333333333"},
    {"BinaryNoiseRoundedAway", 0.1 + 0.2, "0.3"},
    {"TrailingZeroAfterRoundingCut", std::sqrt(2.0), "1.4142135623731"},
    {"LargestFixed", 999999999999999.0, "999999999999999"},
    {"RoundedToFifteenDigits", 123456789012345.6, "123456789012346"},
    {"RoundsUpIntoExponentForm", 999999999999999.9, "1E+15"},
    {"TenToTheFifteen", 1e15, "1E+15"},
    {"NegativeTenToTheFifteen", -1e15, "-1E+15"},
    {"TwoToTheFifty", 1125899906842624.0, "1.12589990684262E+15"},
    {"ThreeDigitExponent", 1e100, "1E+100"},
    {"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    {"SmallestFixed", 0.0001, "0.0001"},
    {"SmallFixedWithDigits", 0.000123456789012345678, "0.000123456789012346"},
    {"RoundsUpIntoFixedForm", 0.00009999999999999999, "0.0001"},
    {"FirstSmallExponent", 0.00001, "1E-05"},
    {"SmallExponentWithDigits", -0.000015, "-1.5E-05"},
    {"TinyNegative", -1e-300, "-1E-300"},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
};

TEST(NumberToText, WritesFifteenDigitNumberTexts) {
  for (const WriteCase& c : kWriteCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NumberToText(c.value), c.expected);
  }
}

// The value of the C library's correctly rounded 15-digit text: independent of our conversion.
double FifteenDigitValue(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.14e", value);
  return std::strtod(text, nullptr);
}

TEST(NumberToText, RoundsToTheSameFifteenDigitsAsTheCLibrary) {
  std::mt19937_64 random(20240611);
  std::uniform_int_distribution<long long> digits(100'000'000'000'000, 999'999'999'999'999);
  std::uniform_int_distribution<int> exponents(-12, 25);
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    const double power = std::pow(10.0, exponents(random));
    const auto fifteen = static_cast<double>(digits(random));
    // Arbitrary doubles, then values that lie on or within a few steps of a half of the 15th
    // digit, where a shortcut through binary arithmetic would round the wrong way.
    values.push_back(std::bit_cast<double>(random()));
    const double half = (fifteen + 0.5) * power / 1e14;
    values.push_back(half);
    values.push_back(std::nextafter(half, 0.0));
    values.push_back(std::nextafter(half, 1e300));
  }
  for (double value : values) {
    if (!std::isfinite(value) || value == 0) continue;
    const std::string text = NumberToText(value);
    const double expected = FifteenDigitValue(value);
    // Near the largest double the 15-digit text lies beyond the double range.
    const auto reread = TextToNumber(text);
    if (std::isinf(expected)) {
      ASSERT_EQ(reread, std::nullopt) << text;
      continue;
    }
    ASSERT_EQ(reread, expected) << text;
  }
}

TEST(NumberToText, TextsReadBackToTheSameText) {
  for (const WriteCase& c : kWriteCases) {
    SCOPED_TRACE(c.name);
    const std::string text = NumberToText(c.value);
    const auto reread = TextToNumber(text);
    // The largest double rounds up past the double range at 15 digits.
    if (c.value == std::numeric_limits<double>::max()) {
      EXPECT_EQ(reread, std::nullopt);
      continue;
    }
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(NumberToText(*reread), text);
    EXPECT_NEAR(*reread, c.value, std::fabs(c.value) * 1e-14);
  }
}

}  // namespace
}  // namespace cinta
