// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calc/Key.h"

namespace cinta {

// The tests' one key alphabet, a character per key, so that one string presses the same keys on
// the core and on the window:
//   0-9 digits  , decimal  < backspace  ~ sign  = equals  C clear  E clear entry
//   x            the eraser of the list of previous results
//   + - * / ^ %  add, subtract, multiply, divide, power, percent
//   r i R m q !  square root, reciprocal, x-th root, remainder, integer quotient, factorial
//   a e c z Z    format keys ",00", edit view, ",00$", "Z", "Z$"
inline constexpr std::string_view kOperatorLetters = "+-*/^%riRmq!";

// The letter of the operator key of `code`.
inline char LetterOfOperator(OperatorCode code) {
  return kOperatorLetters[static_cast<std::size_t>(code)];
}

inline Key KeyOfLetter(char letter) {
  constexpr std::string_view kFormats = "aeczZ";
  if (letter >= '0' && letter <= '9') return DigitKey(letter - '0');
  if (const auto code = kOperatorLetters.find(letter); code != std::string_view::npos)
    return OperatorKey(static_cast<OperatorCode>(code));
  if (const auto mode = kFormats.find(letter); mode != std::string_view::npos)
    return FormatKey(static_cast<FormatMode>(mode));
  switch (letter) {
    case ',':
      return Key::Decimal;
    case '<':
      return Key::Backspace;
    case '~':
      return Key::Sign;
    case '=':
      return Key::Equals;
    case 'C':
      return Key::Clear;
    case 'E':
      return Key::ClearEntry;
    case 'x':
      return Key::ClearResults;
    default:
      std::fprintf(stderr, "no key for '%c'\n", letter);
      std::abort();
  }
}

}  // namespace cinta
