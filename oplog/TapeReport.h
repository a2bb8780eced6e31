// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/OperatorCode.h"
#include "calc/RestorableTape.h"

namespace cinta {

// The report of `tape` as the save key writes it, in the view the tape shows. The formatted view
// keeps the captions of its last format key while the sign, backspace, palette, previous-results
// and clear keys change the tape behind it; a report is a record of the tape, so the captions
// are first formatted afresh with the pattern of `formatMode`, and the tape then shows the values
// that were saved.
std::string BuildTapeReport(RestorableTape& tape, FormatMode formatMode,
                            std::string_view currencySymbol, const OperatorNames& names);

}  // namespace cinta
