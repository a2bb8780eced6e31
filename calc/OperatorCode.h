// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// The index of an operator key, of a palette key and of an operator picture is the code.
enum class OperatorCode : int {
  Add = 0,
  Subtract = 1,
  Multiply = 2,
  Divide = 3,
  Power = 4,
  Percent = 5,
  SquareRoot = 6,
  Reciprocal = 7,
  Root = 8,
  Remainder = 9,
  IntegerQuotient = 10,
  Factorial = 11,
};

inline constexpr int kOperatorCount = 12;

// Unary operators act on the running total alone and need no typed number.
constexpr bool IsUnary(OperatorCode code) {
  return code == OperatorCode::SquareRoot || code == OperatorCode::Reciprocal ||
         code == OperatorCode::Factorial;
}

// The code held as text in a row ("0" to "11", exact match); anything else is no operator.
std::optional<OperatorCode> ParseOperatorCode(std::string_view text);
// The text a row holds for `code`.
std::string CodeText(OperatorCode code);

// Names of the operators as written in the report: entries 0 to 11 name the codes, entry 12
// is never filled. An empty entry and an unset one behave the same.
using OperatorNames = std::array<std::string, 13>;

}  // namespace cinta
