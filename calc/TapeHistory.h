// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "calc/TapeRecorder.h"
#include "calc/ViewPlace.h"

namespace cinta {

// What a recorded step did: changed the tape (a digit, an operator key, C, ...), or only changed
// how it is shown (a format key), which is taken back together with the change before it.
enum class StepKind { Change, View };

// The changes that undo takes back and redo makes again, newest last; at least kMinChanges of
// them are kept, and up to kMaxChanges while they take less memory than kMemoryBudget.
class TapeHistory {
 public:
  static constexpr std::size_t kMinChanges = 200;
  static constexpr std::size_t kMaxChanges = 1000;
  static constexpr std::size_t kMemoryBudget = std::size_t{64} << 20;

  // Keeps a step that ended, unless it changed neither the tape nor where the view showed it. Any
  // step kept drops what could be redone.
  void Record(TapeChange change, StepKind kind, ViewMove view = {});

  // Brings `tape` back to where it was before the last change and the view steps after it, and
  // returns where the view showed it then; nullopt, changing nothing, when no change is left to
  // take back.
  std::optional<ViewPlace> Undo(MemoryTape& tape);
  // Makes the last change taken back again, with the view steps that followed it.
  std::optional<ViewPlace> Redo(MemoryTape& tape);

 private:
  struct Step {
    TapeChange change;
    ViewMove view;
    StepKind kind;
    std::size_t bytes;
  };

  void DropOldest();

  std::deque<Step> steps_;
  // Steps [0, done_) are on the tape; the rest were taken back.
  std::size_t done_ = 0;
  std::size_t changes_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace cinta
