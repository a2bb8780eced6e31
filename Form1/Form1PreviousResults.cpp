// SPDX-License-Identifier: MIT
#include "Form1/Form1PreviousResults.h"

#include "Form1/Form1.h"
#include "controls/Utf8Text.h"

namespace cinta {

void Form1PreviousResults::AppendEntry(std::string_view entry) {
  form_.Combo1->addItem(FromUtf8(entry));
  // The newest entry is the one the field shows: the open list and the arrow keys start there.
  form_.Combo1->setCurrentIndex(form_.Combo1->count() - 1);
}

int Form1PreviousResults::EntryCount() const {
  return form_.Combo1->count();
}

std::string Form1PreviousResults::Entry(int index) const {
  return form_.Combo1->itemText(index).toStdString();
}

void Form1PreviousResults::SetFieldText(std::string_view text) {
  form_.Combo1->SetFieldText(FromUtf8(text));
}

std::string Form1PreviousResults::FieldText() const {
  return form_.Combo1->currentText().toStdString();
}

void Form1PreviousResults::RemoveAllEntries() {
  form_.Combo1->clear();
}

bool Form1PreviousResults::IsShown() const {
  return form_.Combo1->Visible();
}

void Form1PreviousResults::Show() {
  form_.Combo1->SetVisible(true);
  form_.Command12->SetVisible(true);
}

}  // namespace cinta
