// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <cmath>

namespace cinta {

// Layouts are written in twips: 1440 to the inch, 15 to a logical pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, so -5 twips lands on pixel 0 and 7 on pixel 0, 8 on pixel 1.
inline int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

// A rectangle in twips, as the window layouts give it.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const TwipsRect&) const = default;

  // Edges are rounded rather than sizes, so neighbouring controls never overlap or gap by rounding.
  QRect ToPixels() const {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return QRect(x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y);
  }
};

}  // namespace cinta
