// SPDX-License-Identifier: MIT
#include "calc/PreviousResults.h"

#include <string>

#include "calc/RecalculateTape.h"

namespace cinta {

void PreviousResultsList::AppendEntry(std::string_view entry) {
  entries_.emplace_back(entry);
  ++revision_;
}

void PreviousResultsList::SetFieldText(std::string_view text) {
  if (fieldText_ == text) return;
  fieldText_ = text;
  ++revision_;
}

void PreviousResultsList::RemoveAllEntries() {
  entries_.clear();
  ++revision_;
}

void PreviousResultsList::Show() {
  shown_ = true;
  ++revision_;
}

void StoreResult(PreviousResultsList& list, const MemoryTape& tape) {
  const std::string result = tape.ResultText();
  list.AppendEntry(result);
  list.SetFieldText(result);
  if (!list.IsShown()) list.Show();
}

void PickEntry(MemoryTape& tape, std::string_view entry) {
  tape.SetOperandText(tape.LastRow(), entry);
  EvaluateEveryRow(tape);
}

void EmptyList(PreviousResultsList& list) {
  list.RemoveAllEntries();
  list.SetFieldText("");
}

}  // namespace cinta
