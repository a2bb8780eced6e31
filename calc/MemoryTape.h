// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/FormatMode.h"
#include "calc/OperatorCode.h"

namespace cinta {

// The three fields that every row holds.
enum class RowField : unsigned char { Operand, Operator, Formatted };
inline constexpr RowField kRowFields[] = {RowField::Operand, RowField::Operator,
                                          RowField::Formatted};

// Told of each change of a row's fields before it is made, and of rows about to be removed.
class RowChangeListener {
 public:
  virtual ~RowChangeListener() = default;
  // Field `field` of row `row` is about to change from `now` to `next`, which may be equal.
  virtual void FieldChanging(int row, RowField field, std::string_view now,
                             std::string_view next) = 0;
  virtual void RowsRemoving(int first) = 0;
};

// The tape, over plain vectors: what every key's rule reads and changes, what the window shows,
// what undo and the recovery file keep. Rows are 0 to LastRow(); texts are UTF-8. It tells a
// listener of every change of the rows, from inside, so that reading the tape costs nothing more
// for it. Starts as a fresh tape: row 0 empty with the operator Add, result "0", the edit view
// shown and, as in the window at start, the formatted result still visible behind the result box.
class MemoryTape {
 public:
  MemoryTape();

  // The listener told of changes from now on, or nullptr for none.
  void SetListener(RowChangeListener* listener) { listener_ = listener; }

  int LastRow() const;

  std::string OperandText(int row) const;
  void SetOperandText(int row, std::string_view text);
  // The operator that joins the row to the rows above; row 0's is Add and is never read.
  OperatorCode RowOperator(int row) const;
  void SetRowOperator(int row, OperatorCode code);
  std::string FormattedText(int row) const;
  void SetFormattedText(int row, std::string_view text);
  // The row's number (TextToNumber of its text) as an evaluation reads it: the model keeps it
  // read as the text changes, so that evaluating the tape never reads a text again.
  std::optional<double> RowValue(int row) const;

  // How many rows, from the top, the last evaluation took: an operator key leaves its new row out
  // while that waits for its number.
  int EvaluatedRows() const;
  void SetEvaluatedRows(int rows);
  // The format key last pressed, whose pattern the formatted view shows.
  FormatMode CurrentFormatMode() const;
  void SetFormatMode(FormatMode mode);

  std::string ResultText() const;
  void SetResultText(std::string_view text);
  std::string FormattedResultText() const;
  void SetFormattedResultText(std::string_view text);

  // The two views: entry boxes and result box (edit view) or formatted labels (formatted view).
  void SetEntryVisible(int row, bool visible);
  void SetFormattedVisible(int row, bool visible);
  void SetResultVisible(bool visible);
  void SetFormattedResultVisible(bool visible);
  bool IsEntryVisible(int row) const;
  bool IsFormattedVisible(int row) const;
  bool IsResultVisible() const;
  bool IsFormattedResultVisible() const;
  // True while the edit view is shown, i.e. while row 0's entry box is visible.
  bool IsEditView() const;

  // A new last row as an operator key makes it before giving it its operator: an empty text,
  // Add, row 0's formatted text, shown in the view the tape shows.
  void AppendRow();
  // A new last row with its entry box shown and its formatted label hidden.
  void AppendRow(std::string_view operandText, OperatorCode code);
  // Removes rows `first` (at least 1) to the last; none when `first` is past the last.
  void RemoveRowsFrom(int first);

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
  void FieldChanging(int row, RowField field, std::string_view now, std::string_view next) const {
    if (listener_ != nullptr) listener_->FieldChanging(row, field, now, next);
  }

  std::vector<Row> rows_;
  std::string resultText_ = "0";
  std::string formattedResultText_;
  bool resultVisible_ = true;
  bool formattedResultVisible_ = true;
  int evaluatedRows_ = 0;
  FormatMode formatMode_ = FormatMode::TwoDecimals;
  RowChangeListener* listener_ = nullptr;
};

}  // namespace cinta
