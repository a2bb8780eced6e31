// SPDX-License-Identifier: MIT
// Any text pasted or dropped on the tape gives figures that are plain number texts, at most one
// per line and in the order of the lines, each made of digits that its line holds in that order:
// never a row the reader did not find.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "calc/FigureColumn.h"
#include "calc/ReadFigure.h"
#include "calc/RowEntry.h"

namespace cinta {
namespace {

std::string DigitsOf(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits;
}

bool IsSubsequence(std::string_view part, std::string_view whole) {
  std::size_t at = 0;
  for (const char c : whole) {
    if (at < part.size() && part[at] == c) ++at;
  }
  return at == part.size();
}

void FuzzOne(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> figures = ReadFigureColumn(text);
  for (const std::string& figure : figures) {
    Require(!figure.empty() && figure.size() <= kMaxRowTextLength, "a figure fits a row");
    Require(ReadFigure(figure, DecimalMark::Point) == figure, "a figure is a plain number text");
  }
  // Each line gives at most one figure, in order: matching each figure to the first line left
  // whose digits hold its digits must use up every figure.
  std::size_t next = 0;
  std::string_view rest = text;
  while (next < figures.size()) {
    const std::size_t end = rest.find_first_of("\r\n");
    if (IsSubsequence(DigitsOf(figures[next]), rest.substr(0, end))) ++next;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  Require(next == figures.size(), "every figure comes from a line of its own, in order");
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  cinta::FuzzOne(data, size);
  return 0;
}
