// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"

namespace cinta {

// Folds rows 0 to evaluatedRows - 1 (row 0 alone when the tape has one row) from top to bottom
// into the running total and writes it into the result; writes "ERROR" instead when a row was
// refused or an operation failed. Unary rows get the value they act on written into their text.
void RecalculateTape(MemoryTape& tape, int evaluatedRows);

// Keeps `rows` as the tape's evaluated rows and folds them.
void EvaluateRows(MemoryTape& tape, int rows);

// Evaluates every row, as each key that changes a number or an operator does; only an operator
// key leaves its new, still empty row out.
void EvaluateEveryRow(MemoryTape& tape);

}  // namespace cinta
