// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/FormatMode.h"
#include "calc/MemoryTape.h"

namespace cinta {

// What a tape holds outside its rows' fields.
struct TapeWideState {
  int rowCount = 1;
  std::string resultText = "0";
  std::string formattedResultText;
  bool editView = true;
  bool resultVisible = true;
  bool formattedResultVisible = true;
  int evaluatedRows = 0;
  FormatMode formatMode = FormatMode::TwoDecimals;

  bool operator==(const TapeWideState&) const = default;
};

struct FieldValue {
  int row = 0;
  RowField field = RowField::Operand;
  std::string text;

  bool operator==(const FieldValue&) const = default;
};

// A state of the tape given in part: the tape-wide state whole, and the fields listed; the fields
// it does not list keep what they hold.
struct TapePatch {
  TapeWideState state;
  std::vector<FieldValue> fields;
};

std::string ReadRowField(const MemoryTape& tape, int row, RowField field);
void WriteRowField(MemoryTape& tape, int row, RowField field, std::string_view text);

TapeWideState ReadTapeWideState(const MemoryTape& tape);

// The whole tape: its tape-wide state and every field of every row.
TapePatch ReadWholeTape(const MemoryTape& tape);

// Brings `tape` to `patch`: rows removed from or added at the end up to its row count, the
// listed fields written, then the view and the tape-wide fields. A switch of views shows or
// hides the rows' boxes and labels and leaves every caption as it is.
void ApplyPatch(MemoryTape& tape, const TapePatch& patch);

}  // namespace cinta
