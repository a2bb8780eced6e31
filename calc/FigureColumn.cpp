// SPDX-License-Identifier: MIT
#include "calc/FigureColumn.h"

#include <optional>

#include "calc/ReadFigure.h"
#include "calc/RowEntry.h"

namespace cinta {
namespace {

// How far a figure may reach left of its last digit (grouped digits, a sign, a currency) and
// right of it (a currency code, a trailing minus, a closing parenthesis), in bytes. Bounding the
// search keeps a line of megabytes as cheap as a short one.
constexpr std::size_t kReachLeft = 2 * kMaxRowTextLength;
constexpr std::size_t kReachRight = 12;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Characters a figure can start with: a digit, a mark, a sign, a parenthesis, or the first byte
// of a currency (or of the typographic minus, whose first byte "€" shares).
bool CanStartFigure(char c) {
  return IsDigit(c) || std::string_view("-+(.,$EUBS\xE2").find(c) != std::string_view::npos;
}

// Whether a figure may start right after `c`: not inside a number ("1e5") or a code ("FAC2024").
bool CanPrecedeFigure(char c) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return !letter && !IsDigit(c) && c != '.' && c != ',';
}

// The last figure in `cell`: of the texts around its last digit that read as one figure, the one
// that starts leftmost and then ends rightmost, so that no figure is read from half of one.
std::optional<std::string_view> LastFigureIn(std::string_view cell) {
  const std::size_t last = cell.find_last_of("0123456789");
  if (last == std::string_view::npos) return std::nullopt;
  const std::size_t first = last > kReachLeft ? last - kReachLeft : 0;
  const std::size_t end = std::min(cell.size(), last + 1 + kReachRight);
  for (std::size_t start = first; start <= last; ++start) {
    if (!CanStartFigure(cell[start])) continue;
    if (start > 0 && !CanPrecedeFigure(cell[start - 1])) continue;
    for (std::size_t stop = end; stop > last; --stop) {
      const std::string_view candidate = cell.substr(start, stop - start);
      if (ReadFigure(candidate)) return candidate;
    }
  }
  return std::nullopt;
}

// The last figure on `line`, searching its cells from the last.
std::optional<std::string_view> LastFigureOn(std::string_view line) {
  while (!line.empty()) {
    const std::size_t cut = line.find_last_of("\t;\"");
    const std::size_t cellStart = cut == std::string_view::npos ? 0 : cut + 1;
    if (const auto figure = LastFigureIn(line.substr(cellStart))) return figure;
    if (cut == std::string_view::npos) break;
    line = line.substr(0, cut);
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> ReadFigureColumn(std::string_view text) {
  std::vector<std::string_view> found;
  int commas = 0;
  int points = 0;
  while (!text.empty()) {
    const std::size_t lineEnd = text.find_first_of("\r\n");
    if (const auto figure = LastFigureOn(text.substr(0, lineEnd))) {
      found.push_back(*figure);
      const std::optional<DecimalMark> shown = ShownDecimalMark(*figure);
      if (shown == DecimalMark::Comma) ++commas;
      if (shown == DecimalMark::Point) ++points;
    }
    if (lineEnd == std::string_view::npos) break;
    text.remove_prefix(lineEnd + 1);
  }
  const DecimalMark unclear = points > commas ? DecimalMark::Point : DecimalMark::Comma;
  std::vector<std::string> figures;
  figures.reserve(found.size());
  for (const std::string_view figure : found) {
    std::optional<std::string> read = ReadFigure(figure, unclear);
    if (read && read->size() <= kMaxRowTextLength) figures.push_back(std::move(*read));
  }
  return figures;
}

}  // namespace cinta
