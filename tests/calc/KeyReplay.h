// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"
#include "session/TapeSession.h"

namespace cinta {

// A session over `start`, with "$" as the currency symbol, and the tape and list it owns.
struct KeyedTape {
  explicit KeyedTape(TapeDisplay* display = nullptr, MemoryTape start = {})
      : session(std::move(start), {}, display) {
    session.SetCurrencySymbol("$");
  }
  KeyedTape(const KeyedTape&) = delete;
  KeyedTape& operator=(const KeyedTape&) = delete;

  TapeSession session;
  const MemoryTape& tape = session.Tape();
  const PreviousResultsList& list = session.List();
};

// Presses the keys named by `keys` (support/KeyAlphabet.h) on `keyed`'s session.
void PressKeys(KeyedTape& keyed, std::string_view keys);

// The operand texts of every row, joined by "|".
std::string OperandTexts(const MemoryTape& tape);

}  // namespace cinta
