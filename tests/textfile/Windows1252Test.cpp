// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "textfile/Windows1252.h"

namespace cinta {
namespace {

TEST(Windows1252, EveryByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string single(1, static_cast<char>(byte));
    SCOPED_TRACE(byte);
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(single)), single);
    all += single;
  }
  EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

struct DecodeCase {
  const char* name;
  char byte;
  std::string_view utf8;
};

const DecodeCase kDecodeCases[] = {
    {"Ascii", 'A', "A"},
    {"Nul", '\0', std::string_view("\0", 1)},
    {"EuroAt80", '\x80', "\xE2\x82\xAC"},
    {"Undefined81IsC1Control", '\x81', "\xC2\x81"},
    {"Undefined8DIsC1Control", '\x8D', "\xC2\x8D"},
    {"Undefined8FIsC1Control", '\x8F', "\xC2\x8F"},
    {"Undefined90IsC1Control", '\x90', "\xC2\x90"},
    {"Undefined9DIsC1Control", '\x9D', "\xC2\x9D"},
    {"Florin", '\x83', "\xC6\x92"},
    {"RightSingleQuote", '\x92', "\xE2\x80\x99"},
    {"TradeMark", '\x99', "\xE2\x84\xA2"},
    {"CapitalYDiaeresisAt9F", '\x9F', "\xC5\xB8"},
    {"NoBreakSpace", '\xA0', "\xC2\xA0"},
    {"SmallAAcute", '\xE1', "\xC3\xA1"},
    {"SmallYDiaeresisAtFF", '\xFF', "\xC3\xBF"},
};

TEST(Windows1252, DecodesEachByteToItsCharacter) {
  for (const DecodeCase& c : kDecodeCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeWindows1252(std::string_view(&c.byte, 1)), c.utf8);
  }
}

struct EncodeCase {
  const char* name;
  std::string_view utf8;
  std::string_view bytes;
};

const EncodeCase kEncodeCases[] = {
    {"Empty", "", ""},
    {"SpanishWordOneBytePerLetter", "Multiplicación", "Multiplicaci\xF3n"},
    {"EuroSign", "12 €", "12 \x80"},
    {"EnDash",
     "a\xE2\x80\x93"
     "b",
     "a\x96"
     "b"},
    {"C1ControlWithoutByte", "\xC2\x80", "?"},
    {"CjkCharacter", "中", "?"},
    {"NarrowNoBreakSpace",
     "1\xE2\x80\xAF"
     "000",
     "1?000"},
    {"FourByteCharacterIsOneMark",
     "a\xF0\x9F\x98\x80"
     "b",
     "a?b"},
    {"LoneContinuationByte", "\x80", "?"},
    {"InvalidLeadByte",
     "a\xFF"
     "b",
     "a?b"},
    {"TruncatedAtEnd", "a\xE2\x82", "a?"},
    {"TruncatedBeforeAscii",
     "\xE2\x82"
     "b",
     "?b"},
    {"OverlongTwoByte", "\xC0\xAF", "??"},
    {"OverlongThreeByte", "\xE0\x80\xAF", "???"},
    {"Surrogate", "\xED\xA0\x80", "???"},
    {"BeyondLastCodePoint", "\xF4\x90\x80\x80", "????"},
    {"LeadByteF5", "\xF5\x80\x80\x80", "????"},
};

TEST(Windows1252, EncodesOneByteForEveryCharacter) {
  for (const EncodeCase& c : kEncodeCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodeWindows1252(c.utf8), c.bytes);
  }
}

}  // namespace
}  // namespace cinta
