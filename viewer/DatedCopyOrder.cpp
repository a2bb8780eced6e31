// SPDX-License-Identifier: MIT
#include "viewer/DatedCopyOrder.h"

#include <array>
#include <compare>
#include <cstddef>
#include <optional>

namespace cinta {
namespace {

// An unsigned holds any nine digits; a longer number makes no dated copy's name.
constexpr std::size_t kMaxDigits = 9;

struct DatedCopyStamp {
  std::array<unsigned, 5> dateAndTime;  // year, month, day, hour, minute
  unsigned copy;                        // 1, then 2 for "NAME (2)" and so on
  auto operator<=>(const DatedCopyStamp&) const = default;
};

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// A decimal number without leading zeros at the start of `text`, taken off it.
std::optional<unsigned> TakeNumber(std::string_view& text) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits == 0 || digits > kMaxDigits || (digits > 1 && text.front() == '0')) {
    return std::nullopt;
  }
  unsigned value = 0;
  for (const char digit : text.substr(0, digits)) {
    value = value * 10 + static_cast<unsigned>(digit - '0');
  }
  text.remove_prefix(digits);
  return value;
}

std::optional<DatedCopyStamp> ReadDatedCopyName(std::string_view name) {
  constexpr std::array<std::string_view, 5> kSeparatorsBefore = {"", "-", "-", "--", "-"};
  DatedCopyStamp stamp{{}, 1};
  for (std::size_t part = 0; part < kSeparatorsBefore.size(); ++part) {
    if (!TakePrefix(name, kSeparatorsBefore[part])) return std::nullopt;
    const std::optional<unsigned> number = TakeNumber(name);
    if (!number) return std::nullopt;
    stamp.dateAndTime[part] = *number;
  }
  if (TakePrefix(name, " (")) {
    const std::optional<unsigned> copy = TakeNumber(name);
    if (!copy || *copy < 2 || !TakePrefix(name, ")")) return std::nullopt;
    stamp.copy = *copy;
  }
  if (!name.empty()) return std::nullopt;
  return stamp;
}

}  // namespace

bool ListedBefore(std::string_view name, std::string_view other) {
  const std::optional<DatedCopyStamp> stamp = ReadDatedCopyName(name);
  if (!stamp) return false;
  const std::optional<DatedCopyStamp> otherStamp = ReadDatedCopyName(other);
  return !otherStamp || *stamp < *otherStamp;
}

}  // namespace cinta
