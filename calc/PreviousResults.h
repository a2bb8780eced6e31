// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/MemoryTape.h"

namespace cinta {

// The list of previous results as the core sees it; the main window implements it over its
// combo box and the eraser key beside it.
class PreviousResultsList {
 public:
  virtual ~PreviousResultsList() = default;

  virtual void AppendEntry(std::string_view entry) = 0;
  virtual int EntryCount() const = 0;
  virtual std::string Entry(int index) const = 0;
  virtual void SetFieldText(std::string_view text) = 0;
  virtual std::string FieldText() const = 0;
  virtual void RemoveAllEntries() = 0;
  virtual bool IsShown() const = 0;
  // Shows the list, then its eraser key.
  virtual void Show() = 0;
};

// Files the tape's result, "ERROR" included and duplicates kept, as the newest entry and shows
// it in the text field; the first stored result brings the list into view.
void StoreResult(PreviousResultsList& list, const MemoryTape& tape);

// Replaces the whole text of the last row with a picked entry and evaluates every row.
void PickEntry(MemoryTape& tape, std::string_view entry);

// Removes every entry and empties the text field; the list stays shown.
void EmptyList(PreviousResultsList& list);

}  // namespace cinta
