// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"

namespace cinta {

// C: files the result in the list of previous results and leaves row 0 alone, empty, with code
// "0" and a result of "0". It writes the result itself instead of evaluating, so the evaluated
// rows keep their count; the view shown stays.
void PressClearKey(MemoryTape& tape, PreviousResultsList& list);

// CE: removes the last row, or empties row 0 when it is alone, and evaluates every row left.
// Returns whether a row was removed. The view shown stays.
bool PressClearEntryKey(MemoryTape& tape);

}  // namespace cinta
