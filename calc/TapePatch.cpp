// SPDX-License-Identifier: MIT
#include "calc/TapePatch.h"

namespace cinta {

std::string ReadRowField(const MemoryTape& tape, int row, RowField field) {
  switch (field) {
    case RowField::Operand:
      return tape.OperandText(row);
    case RowField::Operator:
      return CodeText(tape.RowOperator(row));
    case RowField::Formatted:
      return tape.FormattedText(row);
  }
  return {};
}

void WriteRowField(MemoryTape& tape, int row, RowField field, std::string_view text) {
  switch (field) {
    case RowField::Operand:
      tape.SetOperandText(row, text);
      break;
    case RowField::Operator:
      // Every patch comes from a tape or from a record whose codes were checked.
      if (const auto code = ParseOperatorCode(text)) tape.SetRowOperator(row, *code);
      break;
    case RowField::Formatted:
      tape.SetFormattedText(row, text);
      break;
  }
}

TapeWideState ReadTapeWideState(const MemoryTape& tape) {
  return {tape.LastRow() + 1,   tape.ResultText(),       tape.FormattedResultText(),
          tape.IsEditView(),    tape.IsResultVisible(),  tape.IsFormattedResultVisible(),
          tape.EvaluatedRows(), tape.CurrentFormatMode()};
}

TapePatch ReadWholeTape(const MemoryTape& tape) {
  TapePatch whole{ReadTapeWideState(tape), {}};
  whole.fields.reserve(static_cast<std::size_t>(whole.state.rowCount) * std::size(kRowFields));
  for (int row = 0; row < whole.state.rowCount; ++row) {
    for (const RowField field : kRowFields) {
      whole.fields.push_back({row, field, ReadRowField(tape, row, field)});
    }
  }
  return whole;
}

void ApplyPatch(MemoryTape& tape, const TapePatch& patch) {
  const TapeWideState& state = patch.state;
  if (tape.LastRow() + 1 > state.rowCount) tape.RemoveRowsFrom(state.rowCount);
  while (tape.LastRow() + 1 < state.rowCount) tape.AppendRow();
  for (const FieldValue& value : patch.fields) {
    WriteRowField(tape, value.row, value.field, value.text);
  }
  if (tape.IsEditView() != state.editView) {
    for (int row = 0; row < state.rowCount; ++row) {
      tape.SetFormattedVisible(row, !state.editView);
      tape.SetEntryVisible(row, state.editView);
    }
  }
  tape.SetResultText(state.resultText);
  tape.SetFormattedResultText(state.formattedResultText);
  tape.SetResultVisible(state.resultVisible);
  tape.SetFormattedResultVisible(state.formattedResultVisible);
  tape.SetEvaluatedRows(state.evaluatedRows);
  tape.SetFormatMode(state.formatMode);
}

}  // namespace cinta
