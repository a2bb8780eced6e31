// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <string_view>

namespace cinta {

// Every picture the two windows show. The digit and operator pictures are numbered so that
// the key's index (the digit, the operator code) is the offset from the first of its group.
enum class PictureId : int {
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  OperatorKeyAdd,
  OperatorKeySubtract,
  OperatorKeyMultiply,
  OperatorKeyDivide,
  OperatorKeyPower,
  OperatorKeyPercent,
  OperatorKeySquareRoot,
  OperatorKeyReciprocal,
  OperatorKeyRoot,
  OperatorKeyRemainder,
  OperatorKeyIntegerQuotient,
  OperatorKeyFactorial,
  OperatorSmallAdd,
  OperatorSmallSubtract,
  OperatorSmallMultiply,
  OperatorSmallDivide,
  OperatorSmallPower,
  OperatorSmallPercent,
  OperatorSmallSquareRoot,
  OperatorSmallReciprocal,
  OperatorSmallRoot,
  OperatorSmallRemainder,
  OperatorSmallIntegerQuotient,
  OperatorSmallFactorial,
  Camera,
  ClearEntry,
  Clear,
  Backspace,
  Close,
  EditView,
  Eraser,
  ScrollUp,
  ScrollDown,
  About,
  Background,
  Icon,
  Printer,
  Notepad,
  FontSize,
  Clipboard,
};

inline constexpr int kPictureCount = static_cast<int>(PictureId::Clipboard) + 1;
inline constexpr int kDigitCount = 10;
inline constexpr int kOperatorPictureCount = 12;

// One picture file: its name in the resources (the 2x twin adds "@2x" before the extension),
// the format name QImageReader reports for it, and its size in pixels at 1x.
struct PictureEntry {
  PictureId id;
  std::string_view fileName;
  std::string_view format;
  int width;
  int height;
};

inline constexpr std::array<PictureEntry, kPictureCount> kPictureCatalog = {{
    {PictureId::Digit0, "digit-0.bmp", "bmp", 69, 66},
    {PictureId::Digit1, "digit-1.bmp", "bmp", 67, 65},
    {PictureId::Digit2, "digit-2.bmp", "bmp", 67, 66},
    {PictureId::Digit3, "digit-3.bmp", "bmp", 68, 66},
    {PictureId::Digit4, "digit-4.bmp", "bmp", 66, 66},
    {PictureId::Digit5, "digit-5.bmp", "bmp", 66, 67},
    {PictureId::Digit6, "digit-6.bmp", "bmp", 66, 65},
    {PictureId::Digit7, "digit-7.bmp", "bmp", 66, 65},
    {PictureId::Digit8, "digit-8.bmp", "bmp", 66, 65},
    {PictureId::Digit9, "digit-9.bmp", "bmp", 66, 68},
    {PictureId::OperatorKeyAdd, "operator-key-0-add.gif", "gif", 44, 44},
    {PictureId::OperatorKeySubtract, "operator-key-1-subtract.gif", "gif", 45, 44},
    {PictureId::OperatorKeyMultiply, "operator-key-2-multiply.gif", "gif", 47, 49},
    {PictureId::OperatorKeyDivide, "operator-key-3-divide.gif", "gif", 45, 44},
    {PictureId::OperatorKeyPower, "operator-key-4-power.gif", "gif", 42, 45},
    {PictureId::OperatorKeyPercent, "operator-key-5-percent.gif", "gif", 48, 56},
    {PictureId::OperatorKeySquareRoot, "operator-key-6-square-root.gif", "gif", 45, 51},
    {PictureId::OperatorKeyReciprocal, "operator-key-7-reciprocal.gif", "gif", 48, 60},
    {PictureId::OperatorKeyRoot, "operator-key-8-root.gif", "gif", 45, 49},
    {PictureId::OperatorKeyRemainder, "operator-key-9-remainder.gif", "gif", 45, 44},
    {PictureId::OperatorKeyIntegerQuotient, "operator-key-10-integer-quotient.gif", "gif", 45, 44},
    {PictureId::OperatorKeyFactorial, "operator-key-11-factorial.gif", "gif", 42, 45},
    {PictureId::OperatorSmallAdd, "operator-small-0-add.gif", "gif", 22, 24},
    {PictureId::OperatorSmallSubtract, "operator-small-1-subtract.gif", "gif", 24, 26},
    {PictureId::OperatorSmallMultiply, "operator-small-2-multiply.gif", "gif", 22, 24},
    {PictureId::OperatorSmallDivide, "operator-small-3-divide.gif", "gif", 23, 24},
    {PictureId::OperatorSmallPower, "operator-small-4-power.gif", "gif", 23, 23},
    {PictureId::OperatorSmallPercent, "operator-small-5-percent.gif", "gif", 24, 26},
    {PictureId::OperatorSmallSquareRoot, "operator-small-6-square-root.gif", "gif", 23, 24},
    {PictureId::OperatorSmallReciprocal, "operator-small-7-reciprocal.gif", "gif", 24, 26},
    {PictureId::OperatorSmallRoot, "operator-small-8-root.gif", "gif", 23, 24},
    {PictureId::OperatorSmallRemainder, "operator-small-9-remainder.gif", "gif", 28, 26},
    {PictureId::OperatorSmallIntegerQuotient, "operator-small-10-integer-quotient.gif", "gif", 28,
     25},
    {PictureId::OperatorSmallFactorial, "operator-small-11-factorial.gif", "gif", 23, 23},
    {PictureId::Camera, "camera.gif", "gif", 38, 38},
    {PictureId::ClearEntry, "clear-entry.bmp", "bmp", 53, 52},
    {PictureId::Clear, "clear.bmp", "bmp", 54, 53},
    {PictureId::Backspace, "backspace.bmp", "bmp", 48, 49},
    {PictureId::Close, "close.jpg", "jpeg", 67, 67},
    {PictureId::EditView, "column-sum.gif", "gif", 36, 36},
    {PictureId::Eraser, "eraser.bmp", "bmp", 89, 46},
    {PictureId::ScrollUp, "scroll-up.gif", "gif", 32, 129},
    {PictureId::ScrollDown, "scroll-down.gif", "gif", 32, 129},
    {PictureId::About, "about.bmp", "bmp", 47, 46},
    {PictureId::Background, "background.jpg", "jpeg", 900, 562},
    {PictureId::Icon, "icon.ico", "ico", 32, 32},
    {PictureId::Printer, "printer.bmp", "bmp", 52, 48},
    {PictureId::Notepad, "notepad.bmp", "bmp", 52, 48},
    {PictureId::FontSize, "font-size.gif", "gif", 49, 46},
    {PictureId::Clipboard, "clipboard.bmp", "bmp", 40, 44},
}};

constexpr const PictureEntry& CatalogEntry(PictureId id) {
  return kPictureCatalog[static_cast<std::size_t>(id)];
}

// digit: 0 to 9, the index of the digit key.
constexpr PictureId DigitPicture(int digit) {
  assert(digit >= 0 && digit < kDigitCount);
  return static_cast<PictureId>(static_cast<int>(PictureId::Digit0) + digit);
}

// code: the operator code 0 to 11, which is also the index of the operator key.
constexpr PictureId OperatorKeyPicture(int code) {
  assert(code >= 0 && code < kOperatorPictureCount);
  return static_cast<PictureId>(static_cast<int>(PictureId::OperatorKeyAdd) + code);
}

// code: the operator code 0 to 11; the small face of `operatorLegend`, the palette and the row
// buttons.
constexpr PictureId OperatorSmallPicture(int code) {
  assert(code >= 0 && code < kOperatorPictureCount);
  return static_cast<PictureId>(static_cast<int>(PictureId::OperatorSmallAdd) + code);
}

// The catalog is indexed by id; a reordered row would hand out the wrong picture.
static_assert([] {
  for (int i = 0; i < kPictureCount; ++i) {
    if (static_cast<int>(kPictureCatalog[static_cast<std::size_t>(i)].id) != i) return false;
  }
  return true;
}());

}  // namespace cinta
