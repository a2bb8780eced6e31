// SPDX-License-Identifier: MIT
#include "tapewindow/WindowDisplay.h"

#include <string>

#include "controls/Utf8Text.h"

namespace cinta {
namespace {

// The row numbers of three digits fill the row number's label.
constexpr int kFirstWideRowNumber = 1000;

void ShowText(TextBox& box, const std::string& text) {
  // Setting a box's text moves its cursor and drops its selection, even to the same text.
  const QString shown = FromUtf8(text);
  if (box.Text() != shown) box.SetText(shown);
}
void ShowText(Label& label, const std::string& text) {
  label.SetText(FromUtf8(text));
}

}  // namespace

void WindowDisplay::Show(const TapeUpdate& update) {
  const int rows = model_.LastRow() + 1;
  if (controls_.rowEntries.Count() > rows) {
    controls_.rowEntries.RemoveFrom(rows);
    controls_.rowValues.RemoveFrom(rows);
    controls_.rowOperatorButtons.RemoveFrom(rows);
    controls_.rowNumbers.RemoveFrom(rows);
  }
  while (controls_.rowEntries.Count() < rows) AppendRow();
  for (int row = update.firstChanged; row <= update.lastChanged; ++row) ShowRow(row);
  if (update.viewSwitched) {
    for (int row = 0; row < rows; ++row) ShowView(row);
  }
  ShowText(*controls_.resultBox, model_.ResultText());
  controls_.resultBox->SetVisible(model_.IsResultVisible());
  ShowText(*controls_.formattedResult, model_.FormattedResultText());
  controls_.formattedResult->SetVisible(model_.IsFormattedResultVisible());
  if (update.listChanged) ShowList();
  controls_.unprotectedSign->SetVisible(!update.recoverable);
}

void WindowDisplay::ShowList() {
  // Entries are only appended, or all removed at once.
  ComboBox& box = *controls_.previousResults;
  const int entries = list_.EntryCount();
  if (box.count() > entries) box.clear();
  const bool appended = box.count() < entries;
  for (int entry = box.count(); entry < entries; ++entry) box.addItem(FromUtf8(list_.Entry(entry)));
  // The newest entry is the one the field shows: the open list and the arrow keys start there.
  if (appended) box.setCurrentIndex(entries - 1);
  // Writing the field moves its cursor, which would jump while the user types into it.
  const QString field = FromUtf8(list_.FieldText());
  if (appended || box.currentText() != field) box.SetFieldText(field);
  box.SetVisible(list_.IsShown());
  controls_.clearResultsKey->SetVisible(list_.IsShown());
}

ViewPlace WindowDisplay::Place() const {
  return {controls_.rowCanvas.Top(), controls_.rowCanvas.Height()};
}

void WindowDisplay::ShowAt(const ViewPlace& place) {
  controls_.rowCanvas.SetTop(place.offset);
  controls_.rowCanvas.SetHeight(place.extent);
}

void WindowDisplay::ShowRow(int row) {
  controls_.rowEntries(row).SetText(model_.OperandText(row));
  controls_.rowValues(row).SetText(model_.FormattedText(row));
  // The operator button shows the row's operator as its face.
  controls_.rowOperatorButtons(row).SetPicture(
      controls_.operatorLegend(static_cast<int>(model_.RowOperator(row))).Picture());
  ShowView(row);
}

void WindowDisplay::ShowView(int row) {
  controls_.rowEntries(row).SetVisible(model_.IsEntryVisible(row));
  controls_.rowValues(row).SetVisible(model_.IsFormattedVisible(row));
}

void WindowDisplay::AppendRow() {
  // The new row's controls are copies of row 0's until the row's own texts are shown.
  const int n = controls_.rowEntries.Count();
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
  button.SetVisible(true);
  number.SetVisible(true);
}

}  // namespace cinta
