// SPDX-License-Identifier: MIT
#pragma once

namespace cinta {

// Where a view shows the tape, in the view's own terms: the main window keeps in it where its
// rows stand and how tall their canvas is. The session never reads it: it keeps it with each step
// so that undo and redo show the rows where the user saw them. No file keeps it.
struct ViewPlace {
  int offset = 0;
  int extent = 0;

  bool operator==(const ViewPlace&) const = default;
};

// Where the view stood before a step and after it.
struct ViewMove {
  ViewPlace before;
  ViewPlace after;
};

}  // namespace cinta
