// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/FormatMode.h"
#include "calc/RestorableTape.h"

namespace cinta {

// The tape over plain vectors: the main window's model, and the tape of tests and benchmarks.
// Starts as a fresh tape: row 0 empty with code "0", result "0", the edit view shown and, as in
// the window at start, the formatted result still visible behind the result box.
class MemoryTape : public RestorableTape {
 public:
  MemoryTape();

  int LastRow() const override;
  std::string OperandText(int row) const override;
  void SetOperandText(int row, std::string_view text) override;
  OperatorCode RowOperator(int row) const override;
  void SetRowOperator(int row, OperatorCode code) override;
  void SetFormattedText(int row, std::string_view text) override;
  std::optional<double> RowValue(int row) const override;
  int EvaluatedRows() const override;
  void SetEvaluatedRows(int rows) override;
  FormatMode CurrentFormatMode() const override;
  void SetFormatMode(FormatMode mode) override;
  std::string ResultText() const override;
  void SetResultText(std::string_view text) override;
  void SetFormattedResultText(std::string_view text) override;
  void SetEntryVisible(int row, bool visible) override;
  void SetFormattedVisible(int row, bool visible) override;
  void SetResultVisible(bool visible) override;
  void SetFormattedResultVisible(bool visible) override;
  bool IsEditView() const override;
  std::string FormattedText(int row) const override;
  std::string FormattedResultText() const override;
  bool IsResultVisible() const override;
  bool IsFormattedResultVisible() const override;
  void AppendRow() override;
  void RemoveRowsFrom(int first) override;

  // A new last row with its entry box shown and its formatted label hidden, as an operator
  // key creates it.
  void AppendRow(std::string_view operandText, OperatorCode code);

  bool IsEntryVisible(int row) const;
  bool IsFormattedVisible(int row) const;

 private:
  struct Row {
    Row(std::string_view operand, OperatorCode code);
    void SetOperand(std::string_view text);

    std::string operandText;
    OperatorCode code;
    std::string formattedText;
    // The operand text as read.
    std::optional<double> value;
    bool entryVisible = true;
    bool formattedVisible = false;
  };

  const Row& At(int row) const;
  Row& At(int row);

  std::vector<Row> rows_;
  std::string resultText_ = "0";
  std::string formattedResultText_;
  bool resultVisible_ = true;
  bool formattedResultVisible_ = true;
  int evaluatedRows_ = 0;
  FormatMode formatMode_ = FormatMode::TwoDecimals;
};

}  // namespace cinta
