// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
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

// Passes every read and write on to `tape` and, during a step, notes the old value of each field
// before it first changes. A step thus costs what it changes, never a copy of the whole tape,
// which on 32 768 rows would cost more than the key press itself.
class TapeRecorder final : public RestorableTape {
 public:
  explicit TapeRecorder(RestorableTape& tape) : tape_(tape) {}

  // Starts a step. Writes outside a step pass on unnoted.
  void Begin();
  // Ends the step and returns what it changed.
  TapeChange End();

  int CurrentRow() const override { return tape_.CurrentRow(); }
  std::string OperandText(int row) const override { return tape_.OperandText(row); }
  void SetOperandText(int row, std::string_view text) override;
  std::string OperatorCode(int row) const override { return tape_.OperatorCode(row); }
  void SetOperatorCode(int row, std::string_view code) override;
  std::string FormattedText(int row) const override { return tape_.FormattedText(row); }
  void SetFormattedText(int row, std::string_view text) override;
  std::string ResultText() const override { return tape_.ResultText(); }
  void SetResultText(std::string_view text) override { tape_.SetResultText(text); }
  std::string FormattedResultText() const override { return tape_.FormattedResultText(); }
  void SetFormattedResultText(std::string_view text) override {
    tape_.SetFormattedResultText(text);
  }
  void SetEntryVisible(int row, bool visible) override { tape_.SetEntryVisible(row, visible); }
  void SetFormattedVisible(int row, bool visible) override {
    tape_.SetFormattedVisible(row, visible);
  }
  void SetResultVisible(bool visible) override { tape_.SetResultVisible(visible); }
  void SetFormattedResultVisible(bool visible) override {
    tape_.SetFormattedResultVisible(visible);
  }
  bool IsEditView() const override { return tape_.IsEditView(); }
  bool IsResultVisible() const override { return tape_.IsResultVisible(); }
  bool IsFormattedResultVisible() const override { return tape_.IsFormattedResultVisible(); }
  void AppendRow() override { tape_.AppendRow(); }
  void RemoveRowsFrom(int first) override;
  TapeSettings Settings() const override { return tape_.Settings(); }
  void SetSettings(const TapeSettings& settings) override { tape_.SetSettings(settings); }

 private:
  // Notes the value of a field of a row that was there when the step began, once; `next` is the
  // value about to replace it, or nothing when the row goes.
  void Note(int row, RowField field, const std::string_view* next);

  RestorableTape& tape_;
  bool recording_ = false;
  TapeChange change_;
  // Per row, a bit for each field already noted in this step; all clear between steps.
  std::vector<std::uint8_t> noted_;
};

}  // namespace cinta
