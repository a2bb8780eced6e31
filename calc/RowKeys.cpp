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

bool PressOperatorKey(TapeFields& tape, int index, int& evaluatedRows) {
  if (!IsOperatorIndex(index) || tape.LastRow() >= kLastRow) return false;
  if (!tape.IsEditView()) ShowEditView(tape);
  tape.AppendRow();
  const int row = tape.LastRow();
  tape.SetOperatorCode(row, std::to_string(index));
  evaluatedRows = IsUnary(static_cast<OperatorCode>(index)) ? row + 1 : row;
  RecalculateTape(tape, evaluatedRows);
  return true;
}

void PressPaletteKey(TapeFields& tape, int row, int index, int& evaluatedRows) {
  if (!IsOperatorIndex(index) || row < 0 || row > tape.LastRow()) return;
  tape.SetOperatorCode(row, std::to_string(index));
  evaluatedRows = tape.LastRow() + 1;
  RecalculateTape(tape, evaluatedRows);
}

}  // namespace cinta
