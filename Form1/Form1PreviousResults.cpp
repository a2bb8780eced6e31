// SPDX-License-Identifier: MIT
#include "Form1/Form1PreviousResults.h"

#include "controls/Utf8Text.h"

namespace cinta {

void Form1PreviousResults::AppendEntry(std::string_view entry) {
  Combo1_->addItem(FromUtf8(entry));
  // The newest entry is the one the field shows: the open list and the arrow keys start there.
  Combo1_->setCurrentIndex(Combo1_->count() - 1);
}

int Form1PreviousResults::EntryCount() const {
  return Combo1_->count();
}

std::string Form1PreviousResults::Entry(int index) const {
  return Combo1_->itemText(index).toStdString();
}

void Form1PreviousResults::SetFieldText(std::string_view text) {
  Combo1_->SetFieldText(FromUtf8(text));
}

std::string Form1PreviousResults::FieldText() const {
  return Combo1_->currentText().toStdString();
}

void Form1PreviousResults::RemoveAllEntries() {
  Combo1_->clear();
}

bool Form1PreviousResults::IsShown() const {
  return Combo1_->Visible();
}

void Form1PreviousResults::Show() {
  Combo1_->SetVisible(true);
  Command12_->SetVisible(true);
}

}  // namespace cinta
