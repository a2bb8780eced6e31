// SPDX-License-Identifier: MIT
#include "oplog/TapeReport.h"

#include <vector>

#include "oplog/BuildReport.h"

namespace cinta {

std::string BuildTapeReport(const MemoryTape& tape, const OperatorNames& names) {
  // The view is decided once, so every line of one report is aligned the same way.
  const bool editView = tape.IsEditView();
  std::vector<ReportRow> rows;
  rows.reserve(static_cast<std::size_t>(tape.LastRow()) + 1);
  for (int row = 0; row <= tape.LastRow(); ++row) {
    rows.push_back({row == 0 ? std::string() : CodeText(tape.RowOperator(row)),
                    editView ? tape.OperandText(row) : tape.FormattedText(row)});
  }
  return BuildReport(rows, editView ? tape.ResultText() : tape.FormattedResultText(),
                     editView ? ReportView::Edit : ReportView::Formatted, names);
}

}  // namespace cinta
