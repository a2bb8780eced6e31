// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/MemoryPreviousResults.h"
#include "calc/MemoryTape.h"
#include "calc/TapeSession.h"

namespace cinta {

// A session over a tape and its list of previous results, with "$" as the currency symbol.
struct KeyedTape {
  explicit KeyedTape(TapeDisplay* display = nullptr) : session(tape, list, {}, display) {
    session.SetCurrencySymbol("$");
  }
  KeyedTape(const KeyedTape&) = delete;
  KeyedTape& operator=(const KeyedTape&) = delete;

  MemoryTape tape;
  MemoryPreviousResults list;
  TapeSession session;
};

// Presses the keys named by `keys` (support/KeyAlphabet.h) on `keyed`'s session.
void PressKeys(KeyedTape& keyed, std::string_view keys);

// The operand texts of every row, joined by "|".
std::string OperandTexts(const MemoryTape& tape);

}  // namespace cinta
