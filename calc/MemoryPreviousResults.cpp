// SPDX-License-Identifier: MIT
#include "calc/MemoryPreviousResults.h"

namespace cinta {

void MemoryPreviousResults::AppendEntry(std::string_view entry) {
  entries_.emplace_back(entry);
}
int MemoryPreviousResults::EntryCount() const {
  return static_cast<int>(entries_.size());
}
std::string MemoryPreviousResults::Entry(int index) const {
  return entries_.at(static_cast<std::size_t>(index));
}
void MemoryPreviousResults::SetFieldText(std::string_view text) {
  fieldText_ = text;
}
std::string MemoryPreviousResults::FieldText() const {
  return fieldText_;
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

}  // namespace cinta
