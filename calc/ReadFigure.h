// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// The mark that separates a figure's decimals.
enum class DecimalMark : char { Comma = ',', Point = '.' };

// Reads `text` (UTF-8) as one figure as people write figures elsewhere: a spreadsheet cell, a
// bank statement, an e-mail. Accepted around the digits: blanks, a currency sign or code before
// or after ("€", "$", "EUR", "USD", "Bs.", "S/"), a percent sign, and a negative written as a
// leading or trailing minus or in parentheses. Digit groups may be separated by ".", "," or a
// space (also a no-break or narrow no-break space); where a figure does not show which mark is
// the decimal one (a single mark followed by exactly three digits), `unclear` decides, by default
// the program's own convention: a comma is decimal, a point groups. Returns the figure as a number
// text (digits, at most one "." and a leading "-"), keeping its digits as written; nullopt when the
// text is not exactly one figure, so that nothing is ever read from half a figure.
std::optional<std::string> ReadFigure(std::string_view text,
                                      DecimalMark unclear = DecimalMark::Comma);

// The decimal mark that `text` shows as such, when it is one figure that shows it: both marks
// present, or a single mark followed by other than three digits.
std::optional<DecimalMark> ShownDecimalMark(std::string_view text);

}  // namespace cinta
