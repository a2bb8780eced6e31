// SPDX-License-Identifier: MIT
#include "KeyReplay.h"

#include "support/KeyAlphabet.h"

namespace cinta {

void PressKeys(KeyedTape& keyed, std::string_view keys) {
  for (const char letter : keys) keyed.session.Press(KeyOfLetter(letter));
}

std::string OperandTexts(const MemoryTape& tape) {
  std::string texts;
  for (int row = 0; row <= tape.LastRow(); ++row) {
    if (row > 0) texts += '|';
    texts += tape.OperandText(row);
  }
  return texts;
}

}  // namespace cinta
