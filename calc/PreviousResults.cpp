// SPDX-License-Identifier: MIT
#include "calc/PreviousResults.h"

#include <string>

#include "calc/RecalculateTape.h"

namespace cinta {

void StoreResult(PreviousResultsList& list, const TapeFields& tape) {
  const std::string result = tape.ResultText();
  list.AppendEntry(result);
  list.SetFieldText(result);
  if (!list.IsShown()) list.Show();
}

int PickEntry(TapeFields& tape, std::string_view entry) {
  const int lastRow = tape.CurrentRow();
  tape.SetOperandText(lastRow, entry);
  const int evalRowCount = lastRow + 1;
  RecalculateTape(tape, evalRowCount);
  return evalRowCount;
}

void EmptyList(PreviousResultsList& list) {
  list.RemoveAllEntries();
  list.SetFieldText("");
}

}  // namespace cinta
