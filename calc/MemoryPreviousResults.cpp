// SPDX-License-Identifier: MIT
#include "calc/MemoryPreviousResults.h"

namespace cinta {

void MemoryPreviousResults::AppendEntry(std::string_view entry) {
  entries_.emplace_back(entry);
}
void MemoryPreviousResults::SetFieldText(std::string_view text) {
  fieldText_ = text;
}
void MemoryPreviousResults::RemoveAllEntries() {
  entries_.clear();
}
bool MemoryPreviousResults::IsShown() const {
  return shown_;
}
void MemoryPreviousResults::Show() {
  shown_ = true;
}

const std::vector<std::string>& MemoryPreviousResults::Entries() const {
  return entries_;
}
const std::string& MemoryPreviousResults::FieldText() const {
  return fieldText_;
}

}  // namespace cinta
