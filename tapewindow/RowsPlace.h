// SPDX-License-Identifier: MIT
#pragma once

#include "calc/ViewPlace.h"
#include "controls/WindowlessContainer.h"

namespace cinta {

// Where the rows stand in the tape's viewport and how tall their canvas is: the view's own place,
// which undo and redo bring back with the tape.
class RowsPlace final : public PlacedView {
 public:
  explicit RowsPlace(WindowlessContainer& canvas) : canvas_(canvas) {}

  ViewPlace Place() const override { return {canvas_.Top(), canvas_.Height()}; }
  void ShowAt(const ViewPlace& place) override {
    canvas_.SetTop(place.offset);
    canvas_.SetHeight(place.extent);
  }

 private:
  WindowlessContainer& canvas_;
};

}  // namespace cinta
