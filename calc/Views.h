// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/FormatMode.h"
#include "calc/MemoryTape.h"

namespace cinta {

// The pattern of a format mode: "##,##0.00", "##,##0.00 " + symbol, "##,##0", "##,##0 " +
// symbol. The edit view has none: the result is empty.
std::string PatternForFormatMode(FormatMode formatMode, std::string_view currencySymbol);

// Entry boxes and result box shown, formatted labels hidden; no text changes.
void ShowEditView(MemoryTape& tape);

// The edit view, unless it shows: the keys that add a row or type into the last one show the
// rows as typed.
void BackToEditView(MemoryTape& tape);

// Formats every row's text and the result with `pattern` and shows the formatted labels in
// place of the entry boxes. A snapshot: later changes of the texts do not reach it. "ERROR"
// stays "ERROR"; other texts that hold no number show as a formatted 0.
void ShowFormattedView(MemoryTape& tape, std::string_view pattern);

// A format key: remembers it as the tape's format mode and shows the formatted view with its
// pattern, or the edit view.
void PressFormatKey(MemoryTape& tape, FormatMode key, std::string_view currencySymbol);

// The save key's part: the formatted view keeps the captions of its last format key while the
// sign, backspace, palette, previous-results and clear keys change the tape behind it; a report
// is a record of the tape, so they are formatted afresh with the pattern of its format mode, and
// the tape then shows the values saved. The edit view is left as it is.
void RefreshFormattedView(MemoryTape& tape, std::string_view currencySymbol);

// The "=" key: back to the edit view if needed, then evaluates every row, the last one even while
// it is still empty.
void PressEqualsKey(MemoryTape& tape);

}  // namespace cinta
