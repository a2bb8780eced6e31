// SPDX-License-Identifier: MIT
#include "calc/RowEntry.h"

#include "calc/ReadFigure.h"

namespace cinta {
namespace {

// Minus signs first, then digits with at most one point: what the number keys make.
bool IsEntryText(std::string_view text) {
  std::size_t i = text.find_first_not_of('-');
  if (i == std::string_view::npos) return true;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] == '.' && !point) {
      point = true;
    } else if (text[i] < '0' || text[i] > '9') {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> TypeIntoRow(std::string_view text, std::size_t start,
                                       std::size_t removed, std::string_view typed) {
  if (start > text.size()) return std::nullopt;
  std::string row(text.substr(0, start));
  row += text.substr(start + std::min(removed, text.size() - start));
  if (typed.empty()) return row;

  std::string inserted;
  if (typed == "," || typed == ".") {
    inserted = ".";
  } else if (typed == "-") {
    // Anywhere but in an empty entry the minus is the subtraction key, which the window presses.
    if (!row.empty()) return std::nullopt;
    inserted = "-";
  } else if (typed.size() == 1) {
    inserted = typed;
  } else if (const std::optional<std::string> figure = ReadFigure(typed)) {
    inserted = *figure;
  } else {
    return std::nullopt;
  }
  row.insert(start, inserted);
  if (!IsEntryText(row) || row.size() > kMaxRowTextLength) return std::nullopt;
  return row;
}

}  // namespace cinta
