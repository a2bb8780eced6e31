// SPDX-License-Identifier: MIT
#include "tapewindow/WindowTape.h"

#include <algorithm>
#include <string>

#include "calc/OperatorCode.h"
#include "controls/Utf8Text.h"

namespace cinta {
namespace {

// The row numbers of three digits fill the row number's label.
constexpr int kFirstWideRowNumber = 1000;

}  // namespace

void WindowTape::TakeStartState() {
  model_.SetOperandText(0, controls_.rowEntries(0).Text());
  model_.SetFormattedText(0, controls_.rowValues(0).Text());
  model_.SetEntryVisible(0, controls_.rowEntries(0).Visible());
  model_.SetFormattedVisible(0, controls_.rowValues(0).Visible());
  model_.SetResultText(controls_.resultBox->Text().toStdString());
  model_.SetFormattedResultText(controls_.formattedResult->Text().toStdString());
  model_.SetResultVisible(controls_.resultBox->Visible());
  model_.SetFormattedResultVisible(controls_.formattedResult->Visible());
}

int WindowTape::LastRow() const {
  return model_.LastRow();
}

std::string WindowTape::OperandText(int row) const {
  return model_.OperandText(row);
}

void WindowTape::SetOperandText(int row, std::string_view text) {
  FieldChanging(row, RowField::Operand, model_.OperandText(row), text);
  model_.SetOperandText(row, text);
  controls_.rowEntries(row).SetText(text);
}

OperatorCode WindowTape::RowOperator(int row) const {
  return model_.RowOperator(row);
}

void WindowTape::SetRowOperator(int row, OperatorCode code) {
  FieldChanging(row, RowField::Operator, CodeText(model_.RowOperator(row)), CodeText(code));
  model_.SetRowOperator(row, code);
  // The operator button shows the same operator as its face.
  controls_.rowOperatorButtons(row).SetPicture(
      controls_.operatorLegend(static_cast<int>(code)).Picture());
}

std::string WindowTape::FormattedText(int row) const {
  return model_.FormattedText(row);
}

void WindowTape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, model_.FormattedText(row), text);
  model_.SetFormattedText(row, text);
  controls_.rowValues(row).SetText(text);
}

std::optional<double> WindowTape::RowValue(int row) const {
  return model_.RowValue(row);
}

int WindowTape::EvaluatedRows() const {
  return model_.EvaluatedRows();
}

void WindowTape::SetEvaluatedRows(int rows) {
  model_.SetEvaluatedRows(rows);
}

FormatMode WindowTape::CurrentFormatMode() const {
  return model_.CurrentFormatMode();
}

void WindowTape::SetFormatMode(FormatMode mode) {
  model_.SetFormatMode(mode);
}

std::string WindowTape::ResultText() const {
  return model_.ResultText();
}

void WindowTape::SetResultText(std::string_view text) {
  model_.SetResultText(text);
  controls_.resultBox->SetText(FromUtf8(text));
}

std::string WindowTape::FormattedResultText() const {
  return model_.FormattedResultText();
}

void WindowTape::SetFormattedResultText(std::string_view text) {
  model_.SetFormattedResultText(text);
  controls_.formattedResult->SetText(FromUtf8(text));
}

void WindowTape::SetEntryVisible(int row, bool visible) {
  model_.SetEntryVisible(row, visible);
  controls_.rowEntries(row).SetVisible(visible);
}

void WindowTape::SetFormattedVisible(int row, bool visible) {
  model_.SetFormattedVisible(row, visible);
  controls_.rowValues(row).SetVisible(visible);
}

void WindowTape::SetResultVisible(bool visible) {
  model_.SetResultVisible(visible);
  controls_.resultBox->SetVisible(visible);
}

void WindowTape::SetFormattedResultVisible(bool visible) {
  model_.SetFormattedResultVisible(visible);
  controls_.formattedResult->SetVisible(visible);
}

bool WindowTape::IsEditView() const {
  return model_.IsEditView();
}

bool WindowTape::IsResultVisible() const {
  return model_.IsResultVisible();
}

bool WindowTape::IsFormattedResultVisible() const {
  return model_.IsFormattedResultVisible();
}

void WindowTape::AppendRow() {
  // The new row's controls are copies of row 0's, texts included, until the row's own are set.
  model_.AppendRow();
  const int n = model_.LastRow();
  model_.SetFormattedText(n, model_.FormattedText(0));
  WindowlessButton& button = controls_.rowOperatorButtons.Append();
  WindowlessTextBox& entry = controls_.rowEntries.Append();
  WindowlessLabel& formatted = controls_.rowValues.Append();
  WindowlessLabel& number = controls_.rowNumbers.Append();

  const WindowlessButton& above = controls_.rowOperatorButtons(n - 1);
  const int top = above.Top() + above.Height() + kRowGap;
  button.SetTop(top);
  entry.SetTop(top);
  formatted.SetTop(top);
  number.SetTop(top);

  number.SetText(std::to_string(n));
  // Four and five digits need more than the label's width: they take the room left of the
  // operator button, one pixel clear of it, and are drawn smaller where they still do not fit.
  if (n >= kFirstWideRowNumber) {
    number.SetLeft(0);
    number.SetWidth(button.Left() - kTwipsPerPixel);
  }
  entry.SetText("");
  // Operator keys make rows in the edit view; undo brings rows back into either view.
  const bool editView = IsEditView();
  button.SetVisible(true);
  entry.SetVisible(editView);
  formatted.SetVisible(!editView);
  number.SetVisible(true);
}

void WindowTape::RemoveRowsFrom(int first) {
  RowsRemoving(first);
  model_.RemoveRowsFrom(first);
  controls_.rowEntries.RemoveFrom(first);
  controls_.rowValues.RemoveFrom(first);
  controls_.rowOperatorButtons.RemoveFrom(first);
  controls_.rowNumbers.RemoveFrom(first);
  rowsRemoved_(first);
}

}  // namespace cinta
