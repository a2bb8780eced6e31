// SPDX-License-Identifier: MIT
#include "calc/RowKeys.h"

#include <string>

#include "calc/OperatorCode.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {

bool PressOperatorKey(MemoryTape& tape, OperatorCode code) {
  if (tape.LastRow() >= kLastRow) return false;
  BackToEditView(tape);
  tape.AppendRow();
  const int row = tape.LastRow();
  tape.SetRowOperator(row, code);
  EvaluateRows(tape, IsUnary(code) ? row + 1 : row);
  return true;
}

void PressPaletteKey(MemoryTape& tape, int row, OperatorCode code) {
  if (row < 0 || row > tape.LastRow()) return;
  tape.SetRowOperator(row, code);
  EvaluateEveryRow(tape);
}

}  // namespace cinta
