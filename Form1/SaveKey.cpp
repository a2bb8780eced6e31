// SPDX-License-Identifier: MIT
// The save key: the tape as a column-aligned report in operacion.txt, then the viewer over it.
#include <string>
#include <vector>

#include "Form1/Form1.h"
#include "Form2/ShowViewer.h"
#include "calc/Views.h"
#include "oplog/BuildReport.h"
#include "oplog/WriteReport.h"
#include "textfile/Windows1252.h"

namespace cinta {

void Form1::Command11_Click() {
  // The view is decided once, so every line of one report is aligned the same way.
  const bool editView = tape_.IsEditView();
  // The formatted view keeps the captions of its last format key while the sign, backspace,
  // palette, previous-results and clear keys change the tape behind it. A saved report is a
  // record of the tape, so its captions are formatted afresh, and the window then shows the
  // values that were saved.
  if (!editView) {
    const Step step(*this, StepKind::View);
    ShowFormattedView(tape_, PatternForFormatMode(formatMode, currencySymbol));
  }
  std::vector<ReportRow> rows;
  rows.reserve(static_cast<std::size_t>(currentRow) + 1);
  for (int i = 0; i <= currentRow; ++i) {
    rows.push_back({i == 0 ? std::string() : Label4(i).Caption(),
                    editView ? Text1(i).Text() : Label2(i).Caption()});
  }
  const QString result = editView ? Text2->Text() : Label3->Caption();
  const std::string report =
      BuildReport(rows, result.toStdString(), editView ? ReportView::Edit : ReportView::Formatted,
                  operatorNames);
  // The viewer is handed the report in memory rather than reading the file back: whether or not
  // it could be written, and however large, it shows this tape's report, never an older file or
  // an empty box.
  WriteReport(programDir_, report);
  ShowViewer(this, programDir_, DecodeWindows1252(report));
}

}  // namespace cinta
