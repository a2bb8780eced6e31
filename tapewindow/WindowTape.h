// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "calc/MemoryTape.h"
#include "calc/RestorableTape.h"
#include "controls/ControlArray.h"
#include "controls/ImageControl.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessControls.h"

namespace cinta {

// The window's controls that hold the tape. resultBox and formattedResult are made after the tape
// is bound, so the binding holds the window's members that will point to them.
struct TapeControls {
  WindowlessArray<WindowlessButton>& rowOperatorButtons;
  WindowlessArray<WindowlessTextBox>& rowEntries;
  WindowlessArray<WindowlessLabel>& rowValues;
  WindowlessArray<WindowlessLabel>& rowNumbers;
  // The operator pictures, which the row buttons show as their face.
  const ControlArray<ImageControl>& operatorLegend;
  TextBox* const& resultBox;
  Label* const& formattedResult;
};

// The tape's fields as the core reads and writes them: held in a model of plain memory, from
// which every read comes, and shown by the window's controls, which every write goes through to:
// a row's text is shown by rowEntries(i), its operator code by the face of rowOperatorButtons(i),
// its formatted value by rowValues(i); the result by resultBox and the formatted result by
// formattedResult. Rows are added and removed with their four controls. Where the rows stand is
// the view's (RowsPlace), not the tape's.
class WindowTape final : public RestorableTape {
 public:
  // The gap between a row's operator button and the next row; one row step is that button's
  // height plus this gap.
  static constexpr int kRowGap = 50;

  // `rowsRemoved` is told the first removed row, after the rows have gone.
  WindowTape(const TapeControls& controls, std::function<void(int first)> rowsRemoved)
      : controls_(controls), rowsRemoved_(std::move(rowsRemoved)) {}

  // The model takes what the controls show once the window is built: row 0 and the results.
  void TakeStartState();

  int LastRow() const override;
  std::string OperandText(int row) const override;
  void SetOperandText(int row, std::string_view text) override;
  OperatorCode RowOperator(int row) const override;
  void SetRowOperator(int row, OperatorCode code) override;
  std::string FormattedText(int row) const override;
  void SetFormattedText(int row, std::string_view text) override;
  std::optional<double> RowValue(int row) const override;
  int EvaluatedRows() const override;
  void SetEvaluatedRows(int rows) override;
  FormatMode CurrentFormatMode() const override;
  void SetFormatMode(FormatMode mode) override;
  std::string ResultText() const override;
  void SetResultText(std::string_view text) override;
  std::string FormattedResultText() const override;
  void SetFormattedResultText(std::string_view text) override;
  void SetEntryVisible(int row, bool visible) override;
  void SetFormattedVisible(int row, bool visible) override;
  void SetResultVisible(bool visible) override;
  void SetFormattedResultVisible(bool visible) override;
  bool IsEditView() const override;
  bool IsResultVisible() const override;
  bool IsFormattedResultVisible() const override;
  // Loads the five controls of the new row one row step below the row before.
  void AppendRow() override;
  void RemoveRowsFrom(int first) override;

 private:
  TapeControls controls_;
  MemoryTape model_;
  std::function<void(int first)> rowsRemoved_;
};

}  // namespace cinta
