// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"

namespace cinta {

// The keys that edit the text of the last row. Those that evaluate evaluate every row, the last
// one included. The keys that lengthen a row refuse to
// take it past kMaxRowTextLength and return false then, changing nothing.

// Digit `digit` (0 to 9): back to the edit view if needed, then appended to the last row.
// Other values name no key and do nothing.
bool PressDigitKey(MemoryTape& tape, int digit);

// The decimal comma: writes the "." of number texts once per row. A trailing point changes no
// value, so the tape is not evaluated.
bool PressCommaKey(MemoryTape& tape);

// Removes the last character of the last row, a whole UTF-8 character since the user may have
// typed any into the field. An empty row stays as it is, unevaluated.
void PressBackspaceKey(MemoryTape& tape);

// Puts a minus sign before the last row's text. It never removes one: pressed twice it gives
// "--12", which reads as 0.
bool PressSignKey(MemoryTape& tape);

// The user typed into row `row`'s entry, which now holds `text` (as TypeIntoRow allows it). The
// tape is evaluated at once, so that the result, the C key's filing and the report always follow
// the rows as they stand.
void TypeRowText(MemoryTape& tape, int row, std::string_view text);

}  // namespace cinta
