// SPDX-License-Identifier: MIT
#include "session/TapeDisplay.h"

#include <algorithm>

namespace cinta {

TapeUpdate UpdateOf(const TapeChange& change) {
  const int rows = change.after.state.rowCount;
  TapeUpdate update;
  update.firstChanged = rows;
  update.viewSwitched = change.before.state.editView != change.after.state.editView;
  // The old values name the rows that changed and the rows removed; the new ones, those added.
  for (const TapePatch* patch : {&change.before, &change.after}) {
    for (const FieldValue& value : patch->fields) {
      if (value.row >= rows) continue;
      update.firstChanged = std::min(update.firstChanged, value.row);
      update.lastChanged = std::max(update.lastChanged, value.row);
    }
  }
  return update;
}

}  // namespace cinta
