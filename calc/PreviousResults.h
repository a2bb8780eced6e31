// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/MemoryTape.h"

namespace cinta {

// The list of previous results: its entries, oldest first, the text its field shows and whether
// it is shown at all. Starts as the window shows it: empty, hidden, with "Resultados anteriores"
// in its field. Entries are only appended, or all removed at once.
class PreviousResultsList {
 public:
  void AppendEntry(std::string_view entry);
  int EntryCount() const { return static_cast<int>(entries_.size()); }
  const std::string& Entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& Entries() const { return entries_; }
  void SetFieldText(std::string_view text);
  const std::string& FieldText() const { return fieldText_; }
  void RemoveAllEntries();
  bool IsShown() const { return shown_; }
  void Show();

  // Counts the changes, so that a step can tell whether it made one.
  unsigned Revision() const { return revision_; }

 private:
  std::vector<std::string> entries_;
  std::string fieldText_ = "Resultados anteriores";
  bool shown_ = false;
  unsigned revision_ = 0;
};

// Files the tape's result, "ERROR" included and duplicates kept, as the newest entry and shows
// it in the text field; the first stored result brings the list into view.
void StoreResult(PreviousResultsList& list, const MemoryTape& tape);

// Replaces the whole text of the last row with a picked entry and evaluates every row.
void PickEntry(MemoryTape& tape, std::string_view entry);

// Removes every entry and empties the text field; the list stays shown.
void EmptyList(PreviousResultsList& list);

}  // namespace cinta
