// SPDX-License-Identifier: MIT
#include "tapeview/RowLayout.h"

#include <algorithm>

namespace cinta {
namespace {

// Row 0's parts as designed; the operator button and the number are never shown on it.
constexpr TwipsRect kValue{1320, 5520, 4095, 615};
constexpr TwipsRect kNumber{240, 5760, 375, 375};
constexpr TwipsRect kOperatorButton{720, 5520, 615, 615};
constexpr TwipsRect kEntry{1440, 5550, 3975, 585};

// Numbers of four and five digits need more room than the number's place.
constexpr int kFirstWideRowNumber = 1000;

// Row 0's parts end where every row's do, one button's height below its top.
constexpr int kRowBottom = kOperatorButton.top + kOperatorButton.height;

int FloorDivide(int value, int divisor) {
  return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

int RowLayout::Step() {
  return kOperatorButton.height + kRowGap;
}

TwipsRect RowLayout::Place(int row, RowPart part) {
  TwipsRect place;
  switch (part) {
    case RowPart::Value:
      place = kValue;
      break;
    case RowPart::Number:
      place = kNumber;
      // They take the room left of the operator button, one pixel clear of it, and are drawn
      // smaller where they still do not fit.
      if (row >= kFirstWideRowNumber) {
        place.left = 0;
        place.width = kOperatorButton.left - kTwipsPerPixel;
      }
      break;
    case RowPart::OperatorButton:
      place = kOperatorButton;
      break;
    case RowPart::Entry:
      place = kEntry;
      break;
  }
  if (row > 0) place.top = kOperatorButton.top + row * Step();
  return place;
}

std::pair<int, int> RowLayout::RowsBetween(int top, int bottom, int rows) {
  // Row r spans [kOperatorButton.top + r * Step(), kRowBottom + r * Step()), row 0 included.
  const int first = FloorDivide(top - kRowBottom, Step()) + 1;
  const int last = FloorDivide(bottom - kOperatorButton.top + Step() - 1, Step());
  const int clampedFirst = std::clamp(first, 0, rows);
  return {clampedFirst, std::clamp(last, clampedFirst, rows)};
}

}  // namespace cinta
