// SPDX-License-Identifier: MIT
#include "KeyReplay.h"

#include <stdexcept>

#include "calc/ClearKeys.h"
#include "calc/NumberKeys.h"
#include "calc/RowKeys.h"
#include "calc/Views.h"
#include "support/KeyAlphabet.h"

namespace cinta {
namespace {

void PressKey(KeyedTape& k, Key key) {
  if (const auto digit = DigitOf(key)) {
    PressDigitKey(k.tape, *digit, k.evaluatedRows);
  } else if (const auto code = OperatorOf(key)) {
    PressOperatorKey(k.tape, *code, k.evaluatedRows);
  } else if (const auto mode = FormatModeOf(key)) {
    PressFormatKey(k.tape, *mode, k.formatMode, "$");
  } else if (key == Key::Decimal) {
    PressCommaKey(k.tape);
  } else if (key == Key::Backspace) {
    PressBackspaceKey(k.tape, k.evaluatedRows);
  } else if (key == Key::Sign) {
    PressSignKey(k.tape, k.evaluatedRows);
  } else if (key == Key::Equals) {
    PressEqualsKey(k.tape, k.evaluatedRows);
  } else if (key == Key::Clear) {
    PressClearKey(k.tape, k.list);
  } else if (key == Key::ClearEntry) {
    PressClearEntryKey(k.tape, k.evaluatedRows);
  } else {
    throw std::invalid_argument("a key that only the window has");
  }
}

}  // namespace

void PressKeys(KeyedTape& keyed, std::string_view keys) {
  for (const char letter : keys) PressKey(keyed, KeyOfLetter(letter));
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
