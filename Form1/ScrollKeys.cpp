// SPDX-License-Identifier: MIT
// The scroll keys, which move the rows one row step at a time, without bound.
#include "Form1/Form1.h"

namespace cinta {

void Form1::Command6_Click(int Index) {
  // Undo puts the rows back where they stood before the change it takes back, not before a
  // scroll.
  const Step step(*this, std::nullopt);
  if (Index == 1) {
    Picture2.SetTop(Picture2.Top() - RowStep());
  } else if (Index == 0) {
    Picture2.SetTop(Picture2.Top() + RowStep());
  }
}

}  // namespace cinta
