// SPDX-License-Identifier: MIT
#pragma once

#include "calc/TapeRecorder.h"
#include "calc/ViewPlace.h"

namespace cinta {

// What a view of the tape shows again after a step, besides the result: the rows from
// firstChanged to lastChanged (none when first is past last), which changed or were added, every
// row when the step switched views, and the list of previous results when it changed. Rows removed
// it finds by itself. Whether the recovery file holds the tape as the step left it comes with every
// update.
struct TapeUpdate {
  int firstChanged = 0;
  int lastChanged = -1;
  bool viewSwitched = false;
  bool listChanged = false;
  bool recoverable = false;
};

// What `change` asks a view to show again of the rows.
TapeUpdate UpdateOf(const TapeChange& change);

// A view of the tape and its list, which reads what it shows from them: told after each step what
// to show again, and asked where it stands, which it keeps to itself, so that undo can put it back.
class TapeDisplay {
 public:
  virtual ~TapeDisplay() = default;
  virtual void Show(const TapeUpdate& update) = 0;
  virtual ViewPlace Place() const = 0;
  virtual void ShowAt(const ViewPlace& place) = 0;
};

}  // namespace cinta
