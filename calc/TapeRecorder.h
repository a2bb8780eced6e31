// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "calc/TapePatch.h"

namespace cinta {

// What one step changed: the tape as it was (its tape-wide state and the old values of the
// fields that the step changed or removed) and as it is now (the same fields where their rows
// remain, and every field of the rows that the step added).
struct TapeChange {
  TapePatch before;
  TapePatch after;

  bool IsEmpty() const {
    return before.state == after.state && before.fields.empty() && after.fields.empty();
  }
};

// Listens to `tape` and, during a step, notes the old value of each field before it first
// changes. A step thus costs what it changes, never a copy of the whole tape, which on 32 768
// rows would cost more than the key press itself.
class TapeRecorder final : private RowChangeListener {
 public:
  explicit TapeRecorder(MemoryTape& tape);
  ~TapeRecorder() override;
  TapeRecorder(const TapeRecorder&) = delete;
  TapeRecorder& operator=(const TapeRecorder&) = delete;

  // Starts a step. Changes outside a step go unnoted.
  void Begin();
  // Ends the step and returns what it changed.
  TapeChange End();

 private:
  void FieldChanging(int row, RowField field, std::string_view now, std::string_view next) override;
  void RowsRemoving(int first) override;
  // Whether the step has yet to note that field of a row that was there when it began.
  bool Unnoted(int row, RowField field) const;
  void Note(int row, RowField field, std::string_view old);

  MemoryTape& tape_;
  bool recording_ = false;
  TapeChange change_;
  // Per row, a bit for each field already noted in this step; all clear between steps.
  std::vector<std::uint8_t> noted_;
};

}  // namespace cinta
