// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "textfile/LineReader.h"

namespace cinta {
namespace {

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

const LineCase kLineCases[] = {
    {"EmptyDataHasNoLine", "", {}},
    {"CrLfEnds", "a\r\nb\r\n", {"a", "b"}},
    {"CrAloneEnds", "a\rb\r", {"a", "b"}},
    {"LastLineWithoutLineEnd", "a\r\nb", {"a", "b"}},
    {"LfAloneEnds", "a\nb\nc", {"a", "b", "c"}},
    {"LfCrIsTwoLineEnds", "a\n\rb", {"a", "", "b"}},
    {"LfBeforeCrLfIsTwoLineEnds", "a\n\r\nb", {"a", "", "b"}},
    {"LfAfterCrLfIsAnotherLineEnd", "a\r\n\nb", {"a", "", "b"}},
    {"MixedLineEnds", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
    {"OnlyLf", "\n", {""}},
    {"OnlyLineEnd", "\r\n", {""}},
    {"EmptyLines", "\r\n\r\nx\r\n", {"", "", "x"}},
    {"CrCrLfIsTwoLines", "a\r\r\n", {"a", ""}},
    {"SpacesKept", "  a  \r\n \r\n", {"  a  ", " "}},
    {"NulIsText", std::string("a\0b", 3), {std::string("a\0b", 3)}},
};

TEST(LineReader, SplitsAtEveryKindOfLineEnd) {
  for (const LineCase& c : kLineCases) {
    SCOPED_TRACE(c.name);
    LineReader reader(c.bytes);
    std::vector<std::string> lines;
    while (std::optional<std::string> line = reader.NextLine()) lines.push_back(*line);
    EXPECT_EQ(lines, c.lines);
    // The end of data stays the end: every further read fails too.
    EXPECT_EQ(reader.NextLine(), std::nullopt);
  }
}

}  // namespace
}  // namespace cinta
