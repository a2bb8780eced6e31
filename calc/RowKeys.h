// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/OperatorCode.h"

namespace cinta {

// Rows are numbered 0 to kLastRow; the last one can have no successor.
inline constexpr int kLastRow = 32767;

// An operator key: back to the edit view if needed, then a new last row with its code. A binary
// operator waits for its number, so the new row is left out of the evaluation; a unary one acts
// on the running total at once, so its row counts. Returns whether a row was added: not after
// row kLastRow.
bool PressOperatorKey(MemoryTape& tape, OperatorCode code);

// The palette key of `code` chosen for row `row`: gives the row that operator and evaluates every
// row, in the view the tape shows. A row that no longer exists changes nothing.
void PressPaletteKey(MemoryTape& tape, int row, OperatorCode code);

}  // namespace cinta
