// SPDX-License-Identifier: MIT
#include "recovery/RecoveryJournal.h"

#include <algorithm>
#include <random>

#include "textfile/AppendFile.h"
#include "textfile/AtomicWrite.h"

namespace cinta {
namespace {

// Below this the changes are not worth a rewrite, however small the tape.
constexpr std::size_t kMinAppendedBytes = std::size_t{1} << 20;

std::uint64_t NewSession() {
  std::random_device random;
  return (static_cast<std::uint64_t>(random()) << 32) ^ random();
}

}  // namespace

RecoveryJournal::RecoveryJournal(std::filesystem::path file)
    : file_(std::move(file)), session_(NewSession()), failed_(file_.empty()) {}

ListChange RecoveryJournal::ListSinceWritten(const PreviousResultsList& list) const {
  const int count = list.EntryCount();
  ListChange change;
  // Entries are only appended, or all removed at once.
  change.cleared = count < entries_;
  for (int entry = change.cleared ? 0 : entries_; entry < count; ++entry) {
    change.appended.push_back(list.Entry(entry));
  }
  change.fieldText = list.FieldText();
  change.shown = list.IsShown();
  return change;
}

void RecoveryJournal::Written(const ListChange& list) {
  entries_ = list.cleared ? static_cast<int>(list.appended.size())
                          : entries_ + static_cast<int>(list.appended.size());
  fieldText_ = list.fieldText;
  listShown_ = list.shown;
}

void RecoveryJournal::WriteWhole(const MemoryTape& tape, const PreviousResultsList& list) {
  started_ = false;
  if (file_.empty()) return;
  // Building a long tape's bytes takes milliseconds; while the file cannot be written, each step
  // first finds out cheaply whether it now could.
  if (failed_ && !ProbeFileWrite(file_, lastWholeBytes_)) return;
  entries_ = 0;
  ListChange wholeList = ListSinceWritten(list);
  wholeList.cleared = true;
  const std::string bytes = std::string(kRecoveryFileHeader) +
                            EncodeRecord(session_, true, ReadWholeTape(tape), wholeList);
  // A full disk or a read-only folder may clear at any moment; the window shows meanwhile that
  // its tape is not protected.
  lastWholeBytes_ = bytes.size();
  failed_ = !WriteFileAtomically(file_, bytes);
  if (failed_) return;
  started_ = true;
  wholeBytes_ = bytes.size();
  appendedBytes_ = 0;
  Written(wholeList);
}

void RecoveryJournal::Record(const TapeChange& change, const MemoryTape& tape,
                             const PreviousResultsList& list) {
  const ListChange listChange = ListSinceWritten(list);
  const bool listChanged = !listChange.appended.empty() || listChange.cleared ||
                           listChange.fieldText != fieldText_ || listChange.shown != listShown_;
  if (change.IsEmpty() && !listChanged && !failed_) return;
  if (!started_ || appendedBytes_ > std::max(kMinAppendedBytes, wholeBytes_)) {
    WriteWhole(tape, list);
    return;
  }
  const std::string bytes = EncodeRecord(session_, false, change.after, listChange);
  // A record written in part ends what can be read of the file: the next step starts it afresh.
  if (!AppendToFile(file_, bytes)) {
    WriteWhole(tape, list);
    return;
  }
  appendedBytes_ += bytes.size();
  Written(listChange);
}

}  // namespace cinta
