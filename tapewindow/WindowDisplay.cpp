// SPDX-License-Identifier: MIT
#include "tapewindow/WindowDisplay.h"

#include <string>

#include "controls/Utf8Text.h"

namespace cinta {
namespace {

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
  if (update.viewSwitched) {
    controls_.tapeView->ShowRows(0, model_.LastRow());
  } else {
    controls_.tapeView->ShowRows(update.firstChanged, update.lastChanged);
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
  const TwipsRect& canvas = controls_.tapeView->Canvas();
  return {canvas.top, canvas.height};
}

void WindowDisplay::ShowAt(const ViewPlace& place) {
  TwipsRect canvas = controls_.tapeView->Canvas();
  canvas.top = place.offset;
  canvas.height = place.extent;
  controls_.tapeView->MoveCanvas(canvas);
}

}  // namespace cinta
