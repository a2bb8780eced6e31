// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "calc/FormatMode.h"
#include "calc/OperatorCode.h"

namespace cinta {

// Every key the user presses on the main window: on screen, by keyboard, or in a test. Each
// family is contiguous in the order of its index, so a digit, an operator code and a format mode
// name their keys.
enum class Key : std::uint8_t {
  Digit0,
  Digit9 = Digit0 + 9,
  // Operator keys, one per OperatorCode.
  Add,
  Factorial = Add + kOperatorCount - 1,
  // Format keys, one per FormatMode.
  TwoDecimals,
  NoDecimalsWithCurrency = TwoDecimals + kFormatModeCount - 1,
  // The operator palette's keys, one per OperatorCode.
  PaletteAdd,
  PaletteFactorial = PaletteAdd + kOperatorCount - 1,
  Decimal,
  Equals,
  Backspace,
  Sign,
  Clear,
  ClearEntry,
  ScrollUp,
  ScrollDown,
  Save,
  ClearResults,
  Quit,
};
inline constexpr int kKeyCount = static_cast<int>(Key::Quit) + 1;

namespace key_family {

// The member `index` of the family that runs from `first` to `last`, or nullopt for a key
// outside it.
constexpr std::optional<int> IndexIn(Key key, Key first, Key last) {
  if (key < first || key > last) return std::nullopt;
  return static_cast<int>(key) - static_cast<int>(first);
}
constexpr Key Member(Key first, int index) {
  return static_cast<Key>(static_cast<int>(first) + index);
}

}  // namespace key_family

constexpr Key DigitKey(int digit) {
  return key_family::Member(Key::Digit0, digit);
}
constexpr std::optional<int> DigitOf(Key key) {
  return key_family::IndexIn(key, Key::Digit0, Key::Digit9);
}

constexpr Key OperatorKey(OperatorCode code) {
  return key_family::Member(Key::Add, static_cast<int>(code));
}
constexpr std::optional<OperatorCode> OperatorOf(Key key) {
  const std::optional<int> code = key_family::IndexIn(key, Key::Add, Key::Factorial);
  if (!code) return std::nullopt;
  return static_cast<OperatorCode>(*code);
}

constexpr Key FormatKey(FormatMode mode) {
  return key_family::Member(Key::TwoDecimals, static_cast<int>(mode));
}
constexpr std::optional<FormatMode> FormatModeOf(Key key) {
  const std::optional<int> mode =
      key_family::IndexIn(key, Key::TwoDecimals, Key::NoDecimalsWithCurrency);
  if (!mode) return std::nullopt;
  return static_cast<FormatMode>(*mode);
}

constexpr Key PaletteKey(OperatorCode code) {
  return key_family::Member(Key::PaletteAdd, static_cast<int>(code));
}
constexpr std::optional<OperatorCode> PaletteOperatorOf(Key key) {
  const std::optional<int> code = key_family::IndexIn(key, Key::PaletteAdd, Key::PaletteFactorial);
  if (!code) return std::nullopt;
  return static_cast<OperatorCode>(*code);
}

}  // namespace cinta
