// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/MemoryTape.h"
#include "calc/OperatorCode.h"

namespace cinta {

// The report of `tape` as the save key writes it, in the view the tape shows, once the save key
// has formatted that view afresh (RefreshFormattedView).
std::string BuildTapeReport(const MemoryTape& tape, const OperatorNames& names);

}  // namespace cinta
