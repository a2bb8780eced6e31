// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/FormatMode.h"
#include "calc/OperatorCode.h"

namespace cinta {

// The fields of the tape as the core sees them. MemoryTape implements this over plain vectors;
// the main window over such a model, writing every change through to the controls that show it.
// Rows are 0 to LastRow(); texts are UTF-8.
class TapeFields {
 public:
  virtual ~TapeFields() = default;

  virtual int LastRow() const = 0;

  virtual std::string OperandText(int row) const = 0;
  virtual void SetOperandText(int row, std::string_view text) = 0;
  // The operator that joins the row to the rows above; row 0's is Add and is never read.
  virtual OperatorCode RowOperator(int row) const = 0;
  virtual void SetRowOperator(int row, OperatorCode code) = 0;
  virtual void SetFormattedText(int row, std::string_view text) = 0;
  // The row's number (TextToNumber of its text) as an evaluation reads it: the model keeps it
  // read as the text changes, so that evaluating the tape never reads a text again.
  virtual std::optional<double> RowValue(int row) const = 0;

  // How many rows, from the top, the last evaluation took: an operator key leaves its new row out
  // while that waits for its number.
  virtual int EvaluatedRows() const = 0;
  virtual void SetEvaluatedRows(int rows) = 0;
  // The format key last pressed, whose pattern the formatted view shows.
  virtual FormatMode CurrentFormatMode() const = 0;
  virtual void SetFormatMode(FormatMode mode) = 0;

  virtual std::string ResultText() const = 0;
  virtual void SetResultText(std::string_view text) = 0;
  virtual void SetFormattedResultText(std::string_view text) = 0;

  // The two views: entry boxes and result box (edit view) or formatted labels (formatted view).
  virtual void SetEntryVisible(int row, bool visible) = 0;
  virtual void SetFormattedVisible(int row, bool visible) = 0;
  virtual void SetResultVisible(bool visible) = 0;
  virtual void SetFormattedResultVisible(bool visible) = 0;
  // True while the edit view is shown, i.e. while row 0's entry box is visible.
  virtual bool IsEditView() const = 0;

  // A new last row as an operator key makes it before giving it its operator: an empty text,
  // Add, row 0's formatted text, shown in the view the tape shows.
  virtual void AppendRow() = 0;
  // Removes rows `first` (at least 1) to the last; none when `first` is past the last.
  virtual void RemoveRowsFrom(int first) = 0;
};

}  // namespace cinta
