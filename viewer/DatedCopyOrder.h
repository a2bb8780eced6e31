// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace cinta {

// The order of the saved operations' list, for a stable sort of names already sorted as text.
// Dated copies come first, oldest first, by the date and time their names carry, since as text
// "2026-12-10--8-0" would come before "2026-12-2--9-5"; a second copy of the same minute,
// "NAME (2)", follows "NAME", and "NAME (10)" follows "NAME (9)". A dated copy's name is exactly
// what the copy key writes: year-month-day--hour-minute, each number without leading zeros,
// perhaps with " (n)" after it. Every other name counts as equal to the others and comes after
// the dated copies, so that they keep their order as text among themselves.
bool ListedBefore(std::string_view name, std::string_view other);

}  // namespace cinta
