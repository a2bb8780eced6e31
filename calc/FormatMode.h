// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace cinta {

// What the format keys show, in the order of the keys; the value is the key's index, as the
// recovery file stores it.
enum class FormatMode : int {
  TwoDecimals,
  EditView,
  TwoDecimalsWithCurrency,
  NoDecimals,
  NoDecimalsWithCurrency,
};
inline constexpr int kFormatModeCount = 5;

// The mode of format key `index`; nullopt for an index that no key has.
constexpr std::optional<FormatMode> FormatModeOfKey(int index) {
  if (index < 0 || index >= kFormatModeCount) return std::nullopt;
  return static_cast<FormatMode>(index);
}

}  // namespace cinta
