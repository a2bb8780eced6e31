// SPDX-License-Identifier: MIT
#include "calc/TapeRecorder.h"

#include <algorithm>
#include <utility>

namespace cinta {
namespace {

std::uint8_t Bit(RowField field) {
  return static_cast<std::uint8_t>(1U << static_cast<unsigned>(field));
}

}  // namespace

void TapeRecorder::Begin() {
  recording_ = true;
  change_ = {};
  change_.before.state = ReadTapeWideState(tape_);
  const auto rows = static_cast<std::size_t>(change_.before.state.rowCount);
  if (noted_.size() < rows) noted_.resize(rows);
}

void TapeRecorder::Note(int row, RowField field, const std::string_view* next) {
  if (!recording_ || row >= change_.before.state.rowCount) return;
  std::uint8_t& noted = noted_[static_cast<std::size_t>(row)];
  if (noted & Bit(field)) return;
  std::string old = ReadRowField(tape_, row, field);
  // Evaluations rewrite every unary row with the text it already holds: no note for those.
  if (next != nullptr && *next == old) return;
  noted |= Bit(field);
  change_.before.fields.push_back({row, field, std::move(old)});
}

void TapeRecorder::SetOperandText(int row, std::string_view text) {
  Note(row, RowField::Operand, &text);
  tape_.SetOperandText(row, text);
}

void TapeRecorder::SetOperatorCode(int row, std::string_view code) {
  Note(row, RowField::Operator, &code);
  tape_.SetOperatorCode(row, code);
}

void TapeRecorder::SetFormattedText(int row, std::string_view text) {
  Note(row, RowField::Formatted, &text);
  tape_.SetFormattedText(row, text);
}

void TapeRecorder::RemoveRowsFrom(int first) {
  if (recording_) {
    const int end = std::min(tape_.CurrentRow() + 1, change_.before.state.rowCount);
    for (int row = first; row < end; ++row) {
      for (const RowField field : kRowFields) Note(row, field, nullptr);
    }
  }
  tape_.RemoveRowsFrom(first);
}

TapeChange TapeRecorder::End() {
  recording_ = false;
  TapePatch& before = change_.before;
  TapePatch& after = change_.after;
  after.state = ReadTapeWideState(tape_);
  const int added = std::max(0, after.state.rowCount - before.state.rowCount);
  after.fields.reserve(before.fields.size() +
                       static_cast<std::size_t>(added) * std::size(kRowFields));
  // A field changed and changed back is no change.
  std::vector<FieldValue> changed;
  changed.reserve(before.fields.size());
  for (FieldValue& old : before.fields) {
    noted_[static_cast<std::size_t>(old.row)] = 0;
    if (old.row < after.state.rowCount) {
      std::string now = ReadRowField(tape_, old.row, old.field);
      if (now == old.text) continue;
      after.fields.push_back({old.row, old.field, std::move(now)});
    }
    changed.push_back(std::move(old));
  }
  before.fields = std::move(changed);
  for (int row = before.state.rowCount; row < after.state.rowCount; ++row) {
    for (const RowField field : kRowFields) {
      after.fields.push_back({row, field, ReadRowField(tape_, row, field)});
    }
  }
  return std::exchange(change_, {});
}

}  // namespace cinta
