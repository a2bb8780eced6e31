// SPDX-License-Identifier: MIT
#include "Form1/Form1Tape.h"

#include <algorithm>
#include <string>

#include "calc/OperatorCode.h"
#include "controls/Utf8Text.h"

namespace cinta {
namespace {

// The row numbers of three digits fill the row number's label.
constexpr int kFirstWideRowNumber = 1000;

}  // namespace

int Form1Tape::CurrentRow() const {
  return state_.currentRow;
}

std::string Form1Tape::OperandText(int row) const {
  return controls_.Text1(row).Text();
}

void Form1Tape::SetOperandText(int row, std::string_view text) {
  FieldChanging(row, RowField::Operand, controls_.Text1(row).Text(), text);
  controls_.Text1(row).SetText(text);
}

std::string Form1Tape::OperatorCode(int row) const {
  return controls_.Label4(row).Caption();
}

void Form1Tape::SetOperatorCode(int row, std::string_view code) {
  FieldChanging(row, RowField::Operator, controls_.Label4(row).Caption(), code);
  controls_.Label4(row).SetCaption(code);
  // The operator button shows the same operator as its face.
  if (const auto op = ParseOperatorCode(code)) {
    controls_.Command1(row).SetPicture(controls_.Image1(static_cast<int>(*op)).Picture());
  }
}

std::string Form1Tape::FormattedText(int row) const {
  return controls_.Label2(row).Caption();
}

void Form1Tape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, controls_.Label2(row).Caption(), text);
  controls_.Label2(row).SetCaption(text);
}

std::string Form1Tape::ResultText() const {
  return controls_.Text2->Text().toStdString();
}

void Form1Tape::SetResultText(std::string_view text) {
  controls_.Text2->SetText(FromUtf8(text));
}

std::string Form1Tape::FormattedResultText() const {
  return controls_.Label3->Caption().toStdString();
}

void Form1Tape::SetFormattedResultText(std::string_view text) {
  controls_.Label3->SetCaption(FromUtf8(text));
}

void Form1Tape::SetEntryVisible(int row, bool visible) {
  controls_.Text1(row).SetVisible(visible);
}

void Form1Tape::SetFormattedVisible(int row, bool visible) {
  controls_.Label2(row).SetVisible(visible);
}

void Form1Tape::SetResultVisible(bool visible) {
  controls_.Text2->SetVisible(visible);
}

void Form1Tape::SetFormattedResultVisible(bool visible) {
  controls_.Label3->SetVisible(visible);
}

bool Form1Tape::IsEditView() const {
  return controls_.Text1(0).Visible();
}

bool Form1Tape::IsResultVisible() const {
  return controls_.Text2->Visible();
}

bool Form1Tape::IsFormattedResultVisible() const {
  return controls_.Label3->Visible();
}

void Form1Tape::AppendRow() {
  const int n = ++state_.currentRow;
  WindowlessButton& button = controls_.Command1.Load();
  WindowlessTextBox& entry = controls_.Text1.Load();
  WindowlessLabel& formatted = controls_.Label2.Load();
  WindowlessLabel& number = controls_.Label1.Load();
  WindowlessLabel& code = controls_.Label4.Load();

  const WindowlessButton& above = controls_.Command1(n - 1);
  const int top = above.Top() + above.Height() + kRowGap;
  button.SetTop(top);
  entry.SetTop(top);
  formatted.SetTop(top);
  number.SetTop(top);
  code.SetTop(top);

  number.SetCaption(std::to_string(n));
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

void Form1Tape::RemoveRowsFrom(int first) {
  RowsRemoving(first);
  controls_.Text1.UnloadFrom(first);
  controls_.Label2.UnloadFrom(first);
  controls_.Label4.UnloadFrom(first);
  controls_.Command1.UnloadFrom(first);
  controls_.Label1.UnloadFrom(first);
  state_.currentRow = std::min(state_.currentRow, first - 1);
  rowsRemoved_(first);
}

TapeSettings Form1Tape::Settings() const {
  return {state_.evalRowCount, state_.formatMode, controls_.Picture2.Top(),
          controls_.Picture2.Height()};
}

void Form1Tape::SetSettings(const TapeSettings& settings) {
  state_.evalRowCount = settings.evalRowCount;
  state_.formatMode = settings.formatMode;
  controls_.Picture2.SetTop(settings.rowsTop);
  controls_.Picture2.SetHeight(settings.rowsHeight);
}

}  // namespace cinta
