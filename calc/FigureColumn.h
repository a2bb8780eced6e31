// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cinta {

// The figures of a text pasted or dropped on the tape (UTF-8), at most one per line: the last
// figure on the line, so that a line of a statement gives its amount and a spreadsheet's row its
// last cell; a line without a figure gives none. Cells end at tabs, semicolons and quotes. Which
// mark is decimal is decided once for the whole text: the one that more of its figures show as
// such, else the program's own convention (comma decimal). Returns the figures as number texts,
// in the order of their lines; figures too long for a row are left out.
std::vector<std::string> ReadFigureColumn(std::string_view text);

}  // namespace cinta
