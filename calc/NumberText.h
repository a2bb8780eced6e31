// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// Reads a number text from its start: blanks (space, tab, line feed) are skipped wherever they
// occur, then an optional sign, digits with at most one ".", an optional exponent ("E" or "e",
// optional sign, digits). Reading stops at the first character that does not fit; a text that
// starts with "&H" or "&O" (either case) is a hexadecimal or octal whole number instead.
// Gives 0 when no digit was read, and no value when the text read lies beyond the double range.
// Inline over ReadNumberText so that callers keep the value in registers: an optional returned
// from another translation unit is assembled in memory, a stall on every row of an evaluation.
bool ReadNumberText(std::string_view text, double& value);
inline std::optional<double> TextToNumber(std::string_view text) {
  double value = 0;
  if (!ReadNumberText(text, value)) return std::nullopt;
  return value;
}

// The text of a failed evaluation, and of a value that is not finite.
inline constexpr std::string_view kErrorText = "ERROR";

// At most 15 significant digits, "." as decimal point, no grouping, never "-0"; magnitudes of
// 1E+15 and above and below 0.0001 take the exponent form ("1E+15", "1.5E-05"); infinities and
// NaN give kErrorText.
std::string NumberToText(double value);

}  // namespace cinta
