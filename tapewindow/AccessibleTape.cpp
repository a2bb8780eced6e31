// SPDX-License-Identifier: MIT
#include "tapewindow/AccessibleTape.h"

#include "controls/Utf8Text.h"
#include "tapewindow/AccessibleNames.h"

namespace cinta {

int AccessibleTape::RowCount() const {
  return controls_.rowEntries.Count();
}

QString AccessibleTape::RowText(int row) const {
  // Numbered from 1, as in the saved report.
  QString text = QStringLiteral("Fila %1").arg(row + 1);
  if (row > 0) {
    const OperatorCode code = controls_.tape.RowOperator(row);
    const std::string& configured = controls_.operatorNames[static_cast<std::size_t>(code)];
    text += QStringLiteral(", ") +
            (configured.empty() ? SpokenOperatorName(code) : FromUtf8(configured));
  }
  const std::string& value = controls_.rowEntries(row).Visible() ? controls_.rowEntries(row).Text()
                                                                 : controls_.rowValues(row).Text();
  return text + QStringLiteral(", ") + (value.empty() ? QStringLiteral("vacía") : FromUtf8(value));
}

QRect AccessibleTape::RowRect(int row) const {
  return controls_.rowCanvas.PixelRect(controls_.rowOperatorButtons(row))
      .united(controls_.rowCanvas.PixelRect(controls_.rowEntries(row)));
}

}  // namespace cinta
