// SPDX-License-Identifier: MIT
#pragma once

#include "calc/MemoryTape.h"
#include "calc/OperatorCode.h"
#include "controls/AccessibleRows.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"
#include "controls/WindowlessControls.h"

namespace cinta {

// The controls of the rows that a screen reader reads, the tape whose operators they show, and
// the operator names it speaks.
struct SpokenTapeControls {
  const WindowlessArray<WindowlessButton>& rowOperatorButtons;
  const WindowlessArray<WindowlessTextBox>& rowEntries;
  const WindowlessArray<WindowlessLabel>& rowValues;
  const MemoryTape& tape;
  const WindowlessContainer& rowCanvas;
  const OperatorNames& operatorNames;
};

// The tape's rows as a screen reader reads them: row number, operator and value.
class AccessibleTape : public AccessibleRows {
 public:
  explicit AccessibleTape(const SpokenTapeControls& controls) : controls_(controls) {}

  int RowCount() const override;
  QString RowText(int row) const override;
  QRect RowRect(int row) const override;

 private:
  SpokenTapeControls controls_;
};

}  // namespace cinta
