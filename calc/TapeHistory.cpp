// SPDX-License-Identifier: MIT
#include "calc/TapeHistory.h"

#include <utility>

namespace cinta {
namespace {

std::size_t Bytes(const TapePatch& patch) {
  std::size_t bytes = sizeof patch + patch.state.resultText.size() +
                      patch.state.formattedResultText.size() +
                      patch.fields.capacity() * sizeof(FieldValue);
  for (const FieldValue& value : patch.fields) bytes += value.text.size();
  return bytes;
}

}  // namespace

void TapeHistory::Record(TapeChange change, StepKind kind, ViewMove view) {
  if (change.IsEmpty() && view.before == view.after) return;
  // What was taken back no longer follows from the tape as it now is.
  for (auto step = steps_.begin() + static_cast<std::ptrdiff_t>(done_); step != steps_.end();
       ++step) {
    changes_ -= step->kind == StepKind::Change ? 1 : 0;
    bytes_ -= step->bytes;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  // A view step with no change before it could never be taken back.
  if (kind == StepKind::View && changes_ == 0) return;
  const std::size_t bytes = sizeof(Step) + Bytes(change.before) + Bytes(change.after);
  steps_.push_back({std::move(change), view, kind, bytes});
  done_ = steps_.size();
  changes_ += kind == StepKind::Change ? 1 : 0;
  bytes_ += bytes;
  while (changes_ > kMaxChanges || (bytes_ > kMemoryBudget && changes_ > kMinChanges)) {
    DropOldest();
  }
}

void TapeHistory::DropOldest() {
  // The oldest change goes with the view steps after it, which nothing could take back now.
  do {
    changes_ -= steps_.front().kind == StepKind::Change ? 1 : 0;
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --done_;
  } while (!steps_.empty() && steps_.front().kind == StepKind::View);
}

std::optional<ViewPlace> TapeHistory::Undo(MemoryTape& tape) {
  std::size_t change = done_;
  while (change > 0 && steps_[change - 1].kind != StepKind::Change) --change;
  if (change == 0) return std::nullopt;
  while (done_ >= change) ApplyPatch(tape, steps_[--done_].change.before);
  return steps_[done_].view.before;
}

std::optional<ViewPlace> TapeHistory::Redo(MemoryTape& tape) {
  if (done_ == steps_.size()) return std::nullopt;
  do {
    ApplyPatch(tape, steps_[done_++].change.after);
  } while (done_ < steps_.size() && steps_[done_].kind == StepKind::View);
  return steps_[done_ - 1].view.after;
}

}  // namespace cinta
