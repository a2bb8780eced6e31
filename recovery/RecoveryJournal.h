// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "calc/PreviousResults.h"
#include "calc/TapeRecorder.h"
#include "recovery/RecoveryRecord.h"

namespace cinta {

// Keeps the recovery file up to date with one window's tape. The file starts with the whole tape
// and list, written to a new file that is then renamed over the old one; each step then appends
// only its change, so a key press on 32 768 rows writes a few bytes, not the whole tape. Once
// the changes outweigh the whole tape, the next step writes the whole tape afresh. A kill at any
// moment leaves a file that reads as the tape before or after the step being written. A file
// that cannot be written is tried again, whole, at the next step.
class RecoveryJournal {
 public:
  // An empty `file` keeps nothing: the window then has no file of its own to write.
  explicit RecoveryJournal(std::filesystem::path file);

  // Writes the tape and the list whole; the window does so at start when it found a tape to
  // recover, so that the file holds what it shows.
  void WriteWhole(const MemoryTape& tape, const PreviousResultsList& list);

  // Adds what a step changed on `tape` and `list`; nothing when it changed nothing, unless the
  // file could not be written before.
  void Record(const TapeChange& change, const MemoryTape& tape, const PreviousResultsList& list);

  // Whether the file holds the tape as the last step left it: false from a failed write until
  // a write succeeds again, and always without a file.
  bool Protects() const { return !failed_; }

 private:
  ListChange ListSinceWritten(const PreviousResultsList& list) const;
  void Written(const ListChange& list);

  std::filesystem::path file_;
  std::uint64_t session_;
  // Whether the file starts with this window's whole tape, so that changes may be appended.
  bool started_ = false;
  std::size_t wholeBytes_ = 0;
  std::size_t appendedBytes_ = 0;
  bool failed_;
  // The size of the whole tape's bytes last built, which a retry checks there is room for.
  std::size_t lastWholeBytes_ = 0;
  // The list as the file holds it.
  int entries_ = 0;
  std::string fieldText_;
  bool listShown_ = false;
};

}  // namespace cinta
