// SPDX-License-Identifier: MIT
#include "calc/ClearKeys.h"

#include "calc/RecalculateTape.h"

namespace cinta {

void PressClearKey(MemoryTape& tape, PreviousResultsList& list) {
  StoreResult(list, tape);
  tape.RemoveRowsFrom(1);
  tape.SetOperandText(0, "");
  tape.SetResultText("0");
  tape.SetRowOperator(0, OperatorCode::Add);
}

bool PressClearEntryKey(MemoryTape& tape) {
  const int lastRow = tape.LastRow();
  if (lastRow != 0) {
    tape.RemoveRowsFrom(lastRow);
  } else {
    tape.SetOperandText(0, "");
  }
  EvaluateEveryRow(tape);
  return lastRow != 0;
}

}  // namespace cinta
