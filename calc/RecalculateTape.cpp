// SPDX-License-Identifier: MIT
#include "calc/RecalculateTape.h"

#include <algorithm>
#include <optional>
#include <string>

#include "calc/NumberText.h"
#include "calc/OperatorCode.h"
#include "calc/OperatorRules.h"

namespace cinta {
namespace {

RowOutcome EvaluateRow(MemoryTape& tape, int row, double& total) {
  const OperatorCode code = tape.RowOperator(row);
  std::optional<double> value = total;
  if (IsUnary(code)) {
    // A unary operator ignores the row's own typing: its text becomes the value it acts on.
    const std::string text = NumberToText(total);
    tape.SetOperandText(row, text);
    // The reciprocal's refusal is decided by that text read back.
    if (code == OperatorCode::Reciprocal) value = TextToNumber(text);
  } else {
    value = tape.RowValue(row);
  }
  if (!value) return RowOutcome::Failed;
  return ApplyOperator(code, *value, total);
}

}  // namespace

void RecalculateTape(MemoryTape& tape, int evaluatedRows) {
  // A tape that failed before shows its number again once it no longer fails.
  if (tape.ResultText() == kErrorText) tape.SetResultText("0");

  double total = 0;
  bool refused = false;
  const int lastRow = tape.LastRow();
  if (lastRow <= 0) {
    const auto value = tape.RowValue(0);
    if (!value) {
      tape.SetResultText(kErrorText);
      return;
    }
    total = *value;
  } else {
    // Rows past the last one do not exist, whatever the caller asks for.
    const int rowCount = std::min(evaluatedRows, lastRow + 1);
    for (int row = 0; row < rowCount; ++row) {
      switch (EvaluateRow(tape, row, total)) {
        case RowOutcome::Applied:
          break;
        case RowOutcome::Refused:
          if (!refused) tape.SetResultText(kErrorText);
          refused = true;
          break;
        case RowOutcome::Failed:
          tape.SetResultText(kErrorText);
          return;
      }
    }
  }
  if (!refused) tape.SetResultText(NumberToText(total));
}

void EvaluateRows(MemoryTape& tape, int rows) {
  tape.SetEvaluatedRows(rows);
  RecalculateTape(tape, rows);
}

void EvaluateEveryRow(MemoryTape& tape) {
  EvaluateRows(tape, tape.LastRow() + 1);
}

}  // namespace cinta
