// SPDX-License-Identifier: MIT
#include "Form1/AccessibleTape.h"

#include "Form1/AccessibleNames.h"
#include "controls/Utf8Text.h"

namespace cinta {

int AccessibleTape::RowCount() const {
  return controls_.Text1.Count();
}

QString AccessibleTape::RowText(int row) const {
  // Numbered from 1, as in the saved report.
  QString text = QStringLiteral("Fila %1").arg(row + 1);
  if (row > 0) {
    if (const auto code = ParseOperatorCode(controls_.Label4(row).Caption())) {
      const auto index = static_cast<std::size_t>(*code);
      const std::string& configured = controls_.operatorNames[index];
      text +=
          QStringLiteral(", ") +
          (configured.empty() ? SpokenOperatorName(static_cast<int>(index)) : FromUtf8(configured));
    }
  }
  const std::string& value = controls_.Text1(row).Visible() ? controls_.Text1(row).Text()
                                                            : controls_.Label2(row).Caption();
  return text + QStringLiteral(", ") + (value.empty() ? QStringLiteral("vacía") : FromUtf8(value));
}

QRect AccessibleTape::RowRect(int row) const {
  return controls_.Picture2.PixelRect(controls_.Command1(row))
      .united(controls_.Picture2.PixelRect(controls_.Text1(row)));
}

}  // namespace cinta
