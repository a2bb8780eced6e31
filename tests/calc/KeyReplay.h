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

// Presses the keys named by `keys` (support/KeyAlphabet.h) on `keyed`, with "$" as the currency
// symbol.
void PressKeys(KeyedTape& keyed, std::string_view keys);

// The operand texts of every row, joined by "|".
std::string OperandTexts(const MemoryTape& tape);

}  // namespace cinta
