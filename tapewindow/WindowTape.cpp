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

int WindowTape::LastRow() const {
  return state_.lastRow;
}

std::string WindowTape::OperandText(int row) const {
  return controls_.rowEntries(row).Text();
}

void WindowTape::SetOperandText(int row, std::string_view text) {
  FieldChanging(row, RowField::Operand, controls_.rowEntries(row).Text(), text);
  controls_.rowEntries(row).SetText(text);
}

std::string WindowTape::OperatorCode(int row) const {
  return controls_.rowOperatorCodes(row).Text();
}

void WindowTape::SetOperatorCode(int row, std::string_view code) {
  FieldChanging(row, RowField::Operator, controls_.rowOperatorCodes(row).Text(), code);
  controls_.rowOperatorCodes(row).SetText(code);
  // The operator button shows the same operator as its face.
  if (const auto op = ParseOperatorCode(code)) {
    controls_.rowOperatorButtons(row).SetPicture(
        controls_.operatorLegend(static_cast<int>(*op)).Picture());
  }
}

std::string WindowTape::FormattedText(int row) const {
  return controls_.rowValues(row).Text();
}

void WindowTape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, controls_.rowValues(row).Text(), text);
  controls_.rowValues(row).SetText(text);
}

std::string WindowTape::ResultText() const {
  return controls_.resultBox->Text().toStdString();
}

void WindowTape::SetResultText(std::string_view text) {
  controls_.resultBox->SetText(FromUtf8(text));
}

std::string WindowTape::FormattedResultText() const {
  return controls_.formattedResult->Text().toStdString();
}

void WindowTape::SetFormattedResultText(std::string_view text) {
  controls_.formattedResult->SetText(FromUtf8(text));
}

void WindowTape::SetEntryVisible(int row, bool visible) {
  controls_.rowEntries(row).SetVisible(visible);
}

void WindowTape::SetFormattedVisible(int row, bool visible) {
  controls_.rowValues(row).SetVisible(visible);
}

void WindowTape::SetResultVisible(bool visible) {
  controls_.resultBox->SetVisible(visible);
}

void WindowTape::SetFormattedResultVisible(bool visible) {
  controls_.formattedResult->SetVisible(visible);
}

bool WindowTape::IsEditView() const {
  return controls_.rowEntries(0).Visible();
}

bool WindowTape::IsResultVisible() const {
  return controls_.resultBox->Visible();
}

bool WindowTape::IsFormattedResultVisible() const {
  return controls_.formattedResult->Visible();
}

void WindowTape::AppendRow() {
  const int n = ++state_.lastRow;
  WindowlessButton& button = controls_.rowOperatorButtons.Append();
  WindowlessTextBox& entry = controls_.rowEntries.Append();
  WindowlessLabel& formatted = controls_.rowValues.Append();
  WindowlessLabel& number = controls_.rowNumbers.Append();
  WindowlessLabel& code = controls_.rowOperatorCodes.Append();

  const WindowlessButton& above = controls_.rowOperatorButtons(n - 1);
  const int top = above.Top() + above.Height() + kRowGap;
  button.SetTop(top);
  entry.SetTop(top);
  formatted.SetTop(top);
  number.SetTop(top);
  code.SetTop(top);

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
  controls_.rowEntries.RemoveFrom(first);
  controls_.rowValues.RemoveFrom(first);
  controls_.rowOperatorCodes.RemoveFrom(first);
  controls_.rowOperatorButtons.RemoveFrom(first);
  controls_.rowNumbers.RemoveFrom(first);
  state_.lastRow = std::min(state_.lastRow, first - 1);
  rowsRemoved_(first);
}

TapeSettings WindowTape::Settings() const {
  return {state_.keys.evaluatedRows, state_.keys.formatMode, controls_.rowCanvas.Top(),
          controls_.rowCanvas.Height()};
}

void WindowTape::SetSettings(const TapeSettings& settings) {
  state_.keys.evaluatedRows = settings.evaluatedRows;
  state_.keys.formatMode = settings.formatMode;
  controls_.rowCanvas.SetTop(settings.rowsTop);
  controls_.rowCanvas.SetHeight(settings.rowsHeight);
}

}  // namespace cinta
