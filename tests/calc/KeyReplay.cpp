// SPDX-License-Identifier: MIT
#include "KeyReplay.h"

#include <stdexcept>

#include "calc/ClearKeys.h"
#include "calc/NumberKeys.h"
#include "calc/RowKeys.h"
#include "calc/Views.h"

namespace cinta {
namespace {

void PressKey(KeyedTape& k, char key) {
  constexpr std::string_view kOperators = "+-*/^%riRmq!";
  constexpr std::string_view kFormats = "aeczZ";
  if (key >= '0' && key <= '9') {
    PressDigitKey(k.tape, key - '0', k.evaluatedRows);
  } else if (const auto code = kOperators.find(key); code != std::string_view::npos) {
    PressOperatorKey(k.tape, static_cast<int>(code), k.evaluatedRows);
  } else if (const auto mode = kFormats.find(key); mode != std::string_view::npos) {
    PressFormatKey(k.tape, *FormatModeOfKey(static_cast<int>(mode)), k.formatMode, "$");
  } else if (key == ',') {
    PressCommaKey(k.tape);
  } else if (key == '<') {
    PressBackspaceKey(k.tape, k.evaluatedRows);
  } else if (key == '~') {
    PressSignKey(k.tape, k.evaluatedRows);
  } else if (key == '=') {
    PressEqualsKey(k.tape, k.evaluatedRows);
  } else if (key == 'C') {
    PressClearKey(k.tape, k.list);
  } else if (key == 'E') {
    PressClearEntryKey(k.tape, k.evaluatedRows);
  } else {
    throw std::invalid_argument(std::string("no key for '") + key + "'");
  }
}

}  // namespace

void PressKeys(KeyedTape& keyed, std::string_view keys) {
  for (const char key : keys) PressKey(keyed, key);
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
