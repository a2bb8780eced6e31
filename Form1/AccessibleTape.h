// SPDX-License-Identifier: MIT
#pragma once

#include "controls/AccessibleRows.h"

namespace cinta {

class Form1;

// The tape's rows as a screen reader reads them: row number, operator and value.
class AccessibleTape : public AccessibleRows {
 public:
  explicit AccessibleTape(const Form1& form) : form_(form) {}

  int RowCount() const override;
  QString RowText(int row) const override;
  QRect RowRect(int row) const override;

 private:
  const Form1& form_;
};

}  // namespace cinta
