// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/MemoryPreviousResults.h"
#include "calc/MemoryTape.h"

namespace cinta {

// A tape, its list of previous results and the module state, as the keys leave them.
struct KeyedTape {
  MemoryTape tape;
  MemoryPreviousResults list;
  int evaluatedRows = 0;
  FormatMode formatMode = FormatMode::TwoDecimals;
};

// Presses the keys named by `keys` on `keyed`, one character per key, with "$" as the currency
// symbol:
//   0-9 digits  , decimal  < backspace  ~ sign  = equals  C clear  E clear entry
//   + - * / ^ %  add, subtract, multiply, divide, power, percent
//   r i R m q !  square root, reciprocal, x-th root, remainder, integer quotient, factorial
//   a e c z Z    format keys ",00" (0), edit view (1), ",00$" (2), "Z" (3), "Z$" (4)
void PressKeys(KeyedTape& keyed, std::string_view keys);

// The operand texts of every row, joined by "|".
std::string OperandTexts(const MemoryTape& tape);

}  // namespace cinta
