// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/TapeFields.h"

namespace cinta {

// The pattern of a format key: "##,##0.00" (0), "##,##0.00 " + symbol (2), "##,##0" (3),
// "##,##0 " + symbol (4). Key 1 returns to the edit view and has none: the result is empty.
std::string PatternForFormatMode(int formatMode, std::string_view currencySymbol);

// Entry boxes and result box shown, formatted labels hidden; no text changes.
void ShowEditView(TapeFields& tape);

// Formats every row's text and the result with `pattern` and shows the formatted labels in
// place of the entry boxes. A snapshot: later changes of the texts do not reach it. "ERROR"
// stays "ERROR"; other texts that hold no number show as a formatted 0.
void ShowFormattedView(TapeFields& tape, std::string_view pattern);

// A format key `index` (0 to 4): remembers it as the format mode and shows the formatted view
// with its pattern, or the edit view for key 1. Other indexes name no key and do nothing.
void PressFormatKey(TapeFields& tape, int index, int& formatMode, std::string_view currencySymbol);

// The "=" key: back to the edit view if needed, then sets evaluatedRows to every row, the last
// one even while it is still empty, and evaluates them.
void PressEqualsKey(TapeFields& tape, int& evaluatedRows);

}  // namespace cinta
