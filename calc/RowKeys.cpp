// SPDX-License-Identifier: MIT
#include "calc/RowKeys.h"

#include <string>

#include "calc/OperatorCode.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {
namespace {

bool IsOperatorIndex(int index) {
  return index >= 0 && index < kOperatorCount;
}

}  // namespace

bool PressOperatorKey(TapeFields& tape, int index, int& evalRowCount) {
  if (!IsOperatorIndex(index) || tape.CurrentRow() >= kLastRow) return false;
  if (!tape.IsEditView()) ShowEditView(tape);
  tape.AppendRow();
  const int row = tape.CurrentRow();
  tape.SetOperatorCode(row, std::to_string(index));
  evalRowCount = IsUnary(static_cast<OperatorCode>(index)) ? row + 1 : row;
  RecalculateTape(tape, evalRowCount);
  return true;
}

void PressPaletteKey(TapeFields& tape, int row, int index, int& evalRowCount) {
  if (!IsOperatorIndex(index) || row < 0 || row > tape.CurrentRow()) return;
  tape.SetOperatorCode(row, std::to_string(index));
  evalRowCount = tape.CurrentRow() + 1;
  RecalculateTape(tape, evalRowCount);
}

}  // namespace cinta
