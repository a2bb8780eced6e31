// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// The longest text a row holds. A double carries 17 significant digits; with a sign, a decimal
// point and the zeros of a small fraction, no figure a user means comes near 64 characters, while
// every key that copies a row (undo, the recovery journal, the report) stays cheap at the row
// limit.
inline constexpr std::size_t kMaxRowTextLength = 64;

// What typing into a row's entry makes of its text: `typed` (UTF-8) replaces the `removed` bytes
// of `text` from byte `start`. A row takes what the number keys can make: digits, one decimal
// mark (the comma types the "." of number texts) and a minus sign typed into an empty entry.
// Several characters at once (a paste) are read as one figure. Removing is always allowed.
// Returns the row's new text, or nullopt when the row refuses what was typed.
std::optional<std::string> TypeIntoRow(std::string_view text, std::size_t start,
                                       std::size_t removed, std::string_view typed);

}  // namespace cinta
