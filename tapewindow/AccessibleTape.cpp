// SPDX-License-Identifier: MIT
#include "tapewindow/AccessibleTape.h"

#include "controls/Utf8Text.h"
#include "tapewindow/AccessibleNames.h"

namespace cinta {

int AccessibleTape::RowCount() const {
  return tape_.LastRow() + 1;
}

QString AccessibleTape::RowText(int row) const {
  // Numbered from 1, as in the saved report.
  QString text = QStringLiteral("Fila %1").arg(row + 1);
  if (row > 0) {
    const OperatorCode code = tape_.RowOperator(row);
    const std::string& configured = operatorNames_[static_cast<std::size_t>(code)];
    text += QStringLiteral(", ") +
            (configured.empty() ? SpokenOperatorName(code) : FromUtf8(configured));
  }
  const std::string value =
      tape_.IsEntryVisible(row) ? tape_.OperandText(row) : tape_.FormattedText(row);
  return text + QStringLiteral(", ") + (value.empty() ? QStringLiteral("vacía") : FromUtf8(value));
}

QRect AccessibleTape::RowRect(int row) const {
  return view_->PixelRect(row, RowPart::OperatorButton)
      .united(view_->PixelRect(row, RowPart::Entry));
}

}  // namespace cinta
