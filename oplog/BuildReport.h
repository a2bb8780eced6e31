// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calc/OperatorCode.h"

namespace cinta {

// The edit view aligns the typed numbers on their decimal point; the formatted view aligns the
// formatted values on their right end.
enum class ReportView { Edit, Formatted };

struct ReportRow {
  std::string operatorCode;  // the row's code caption; not read for row 0
  std::string value;         // the entry text in the edit view, the formatted text otherwise
};

// The operation log of one tape as Windows-1252 bytes with CR LF after every line: a blank line,
// one line per row (label, operator name from column 6, value aligned on column 27), a blank
// line, 30 hyphens and the result. A row after the first whose code is no number from 0 to 12
// is left out. All texts are UTF-8; each character becomes one byte, so one column, and a CR or
// LF inside a text becomes a space, so that no text breaks its line.
std::string BuildReport(std::span<const ReportRow> rows, std::string_view result, ReportView view,
                        const OperatorNames& names);

}  // namespace cinta
