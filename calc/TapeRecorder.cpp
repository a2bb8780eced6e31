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

TapeRecorder::TapeRecorder(MemoryTape& tape) : tape_(tape) {
  tape_.SetListener(this);
}

TapeRecorder::~TapeRecorder() {
  tape_.SetListener(nullptr);
}

void TapeRecorder::Begin() {
  recording_ = true;
  change_ = {};
  change_.before.state = ReadTapeWideState(tape_);
  const auto rows = static_cast<std::size_t>(change_.before.state.rowCount);
  if (noted_.size() < rows) noted_.resize(rows);
}

bool TapeRecorder::Unnoted(int row, RowField field) const {
  return recording_ && row < change_.before.state.rowCount &&
         (noted_[static_cast<std::size_t>(row)] & Bit(field)) == 0;
}

void TapeRecorder::Note(int row, RowField field, std::string_view old) {
  noted_[static_cast<std::size_t>(row)] |= Bit(field);
  change_.before.fields.push_back({row, field, std::string(old)});
}

void TapeRecorder::FieldChanging(int row, RowField field, std::string_view now,
                                 std::string_view next) {
  // Evaluations rewrite every unary row with the text it already holds: no note for those.
  if (Unnoted(row, field) && now != next) Note(row, field, now);
}

void TapeRecorder::RowsRemoving(int first) {
  const int end = std::min(tape_.LastRow() + 1, change_.before.state.rowCount);
  if (!recording_ || end <= first) return;
  // Room too for the few fields a step writes after removing rows (C clears row 0 then), so that
  // those do not move every removed row's note once more.
  constexpr std::size_t kFieldsWrittenAfter = 16;
  change_.before.fields.reserve(change_.before.fields.size() +
                                static_cast<std::size_t>(end - first) * std::size(kRowFields) +
                                kFieldsWrittenAfter);
  for (int row = first; row < end; ++row) {
    for (const RowField field : kRowFields) {
      if (Unnoted(row, field)) Note(row, field, ReadRowField(tape_, row, field));
    }
  }
}

TapeChange TapeRecorder::End() {
  recording_ = false;
  TapePatch& before = change_.before;
  TapePatch& after = change_.after;
  after.state = ReadTapeWideState(tape_);
  const int added = std::max(0, after.state.rowCount - before.state.rowCount);
  after.fields.reserve(before.fields.size() +
                       static_cast<std::size_t>(added) * std::size(kRowFields));
  // A field changed and changed back is no change: its note is dropped, in place, since C leaves
  // a note for every field of every row it removes.
  std::size_t kept = 0;
  for (FieldValue& old : before.fields) {
    noted_[static_cast<std::size_t>(old.row)] = 0;
    if (old.row < after.state.rowCount) {
      std::string now = ReadRowField(tape_, old.row, old.field);
      if (now == old.text) continue;
      after.fields.push_back({old.row, old.field, std::move(now)});
    }
    if (&before.fields[kept] != &old) before.fields[kept] = std::move(old);
    ++kept;
  }
  before.fields.erase(before.fields.begin() + static_cast<std::ptrdiff_t>(kept),
                      before.fields.end());
  for (int row = before.state.rowCount; row < after.state.rowCount; ++row) {
    for (const RowField field : kRowFields) {
      after.fields.push_back({row, field, ReadRowField(tape_, row, field)});
    }
  }
  return std::exchange(change_, {});
}

}  // namespace cinta
