// SPDX-License-Identifier: MIT
#include "TapeBuilder.h"

#include <cstddef>

namespace cinta {

MemoryTape MakeTape(const std::vector<RowTexts>& rows) {
  MemoryTape tape;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == 0) {
      tape.SetOperandText(0, rows[0].text);
      tape.SetRowOperator(0, rows[0].code);
    } else {
      tape.AppendRow(rows[i].text, rows[i].code);
    }
  }
  return tape;
}

}  // namespace cinta
