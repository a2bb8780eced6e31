// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

#include "controls/Twips.h"

namespace cinta {

// The parts a row is drawn with, in the order they are painted: later parts lie above earlier
// ones. A row shows its formatted value or its entry field, never both; row 0 has no number and
// no operator button.
enum class RowPart : unsigned char { Value, Number, OperatorButton, Entry };
inline constexpr RowPart kRowParts[] = {RowPart::Value, RowPart::Number, RowPart::OperatorButton,
                                        RowPart::Entry};

// Where each part of each row lies on the canvas of the rows, in twips: row 0 as the design
// places it, every later row one row step below the one above, its parts level with its operator
// button. A row is a place, worked out when it is painted or clicked: a tape of 32 768 rows
// costs the view nothing per row.
class RowLayout {
 public:
  // The gap between a row's operator button and the next row.
  static constexpr int kRowGap = 50;

  static TwipsRect Place(int row, RowPart part);
  // How far apart two rows stand: an operator button's height and the gap below it.
  static int Step();
  // The rows [first, last) of a tape of `rows` rows whose parts may meet the canvas between
  // `top` and `bottom`, worked out rather than searched for.
  static std::pair<int, int> RowsBetween(int top, int bottom, int rows);
};

}  // namespace cinta
