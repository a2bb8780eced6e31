// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/OperatorCode.h"
#include "controls/AccessibleRows.h"
#include "tapeview/TapeView.h"

namespace cinta {

// The tape's rows as a screen reader reads them: row number, operator and value, each row where
// the view shows it.
class AccessibleTape : public AccessibleRows {
 public:
  // The view is made after this object, so it is held by the window's pointer to it.
  AccessibleTape(const MemoryTape& tape, TapeView* const& view, const OperatorNames& operatorNames)
      : tape_(tape), view_(view), operatorNames_(operatorNames) {}

  int RowCount() const override;
  QString RowText(int row) const override;
  QRect RowRect(int row) const override;

 private:
  const MemoryTape& tape_;
  TapeView* const& view_;
  const OperatorNames& operatorNames_;
};

}  // namespace cinta
