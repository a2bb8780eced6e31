// SPDX-License-Identifier: MIT
#pragma once

namespace cinta {

// Where a window of `windowTwips` starts on a screen of `screenTwips`, along one axis, so that
// it stands in the middle. Integer division truncates toward zero, so a window 3 twips larger
// than the screen starts at -1; nothing is clamped, and a window larger than the screen reaches
// past its edges.
constexpr int CentredPosition(int screenTwips, int windowTwips) {
  return (screenTwips - windowTwips) / 2;
}

}  // namespace cinta
