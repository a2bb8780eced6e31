// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/TapePatch.h"

namespace cinta {

// What a step did to the previous-results list, whose entries are only ever appended or all
// removed.
struct ListChange {
  bool cleared = false;
  std::vector<std::string> appended;
  std::string fieldText;
  bool shown = false;
};

// One record of the recovery file: the whole tape and list, which starts the file, or one step's
// change. `session` tells the window that wrote it from another one writing the same file.
struct RecoveryRecord {
  std::uint64_t session = 0;
  bool whole = false;
  TapePatch tape;
  ListChange list;
};

// The first bytes of the file, which tell how its records are laid out.
inline constexpr std::string_view kRecoveryFileHeader = "CintaRc2";
// A file of the first layout kept, in each record, where the window's rows stood, which a window
// now keeps to itself: it is read and left aside.
inline constexpr std::string_view kFirstRecoveryFileHeader = "CintaRc1";
enum class RecordLayout { First, Current };

// A record framed as it is stored: its length, its CRC-32, then its contents.
std::string EncodeRecord(std::uint64_t session, bool whole, const TapePatch& tape,
                         const ListChange& list);

// The record at the start of `bytes`, and how many bytes it takes; nullopt when they hold no
// whole record whose length, checksum and contents all check out.
struct DecodedRecord {
  RecoveryRecord record;
  std::size_t size;
};
std::optional<DecodedRecord> DecodeRecord(std::string_view bytes,
                                          RecordLayout layout = RecordLayout::Current);

}  // namespace cinta
