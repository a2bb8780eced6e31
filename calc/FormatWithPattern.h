// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace cinta {

// Formats a value with a numeric pattern such as "##,##0.00" or "##,##0 €". The leading
// numeric section of the pattern ("#" and "0" digit places, "," for digit grouping, one "."
// followed by the decimal places) is interpreted; everything after it is copied unchanged, so a
// currency symbol stays literal even when it is itself a pattern character. The output always
// uses "." to group digits and "," as the decimal mark. Values are rounded on their shortest
// decimal text to the decimal places, halves away from zero; a value that rounds to zero gets
// no minus sign.
std::string FormatWithPattern(double value, std::string_view pattern);

}  // namespace cinta
