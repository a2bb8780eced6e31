// SPDX-License-Identifier: MIT
#include "tapewindow/PreviousResultsControls.h"

#include "controls/Utf8Text.h"

namespace cinta {

void PreviousResultsControls::AppendEntry(std::string_view entry) {
  list_->addItem(FromUtf8(entry));
  // The newest entry is the one the field shows: the open list and the arrow keys start there.
  list_->setCurrentIndex(list_->count() - 1);
}

int PreviousResultsControls::EntryCount() const {
  return list_->count();
}

std::string PreviousResultsControls::Entry(int index) const {
  return list_->itemText(index).toStdString();
}

void PreviousResultsControls::SetFieldText(std::string_view text) {
  list_->SetFieldText(FromUtf8(text));
}

std::string PreviousResultsControls::FieldText() const {
  return list_->currentText().toStdString();
}

void PreviousResultsControls::RemoveAllEntries() {
  list_->clear();
}

bool PreviousResultsControls::IsShown() const {
  return list_->Visible();
}

void PreviousResultsControls::Show() {
  list_->SetVisible(true);
  clearKey_->SetVisible(true);
}

}  // namespace cinta
