// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "calc/MemoryTape.h"

namespace cinta {

struct RowTexts {
  std::string text;
  OperatorCode code;
};

// A tape holding `rows` in order; the first entry is row 0.
MemoryTape MakeTape(const std::vector<RowTexts>& rows);

}  // namespace cinta
