// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/TapePatch.h"

namespace cinta {

// The tape and the previous-results list as a window left them.
struct RecoveredTape {
  // Every field of every row, with the tape-wide state.
  TapePatch tape;
  std::vector<std::string> entries;
  std::string fieldText;
  bool listShown = false;
};

// How many windows may run in one program folder, each keeping its tape in a file of its own.
inline constexpr int kRecoveryFileCount = 16;

// The recovery file of the window-th window running in the program folder (1 to
// kRecoveryFileCount): recuperacion.dat for the first, recuperacion-2.dat, recuperacion-3.dat, ...
// for the others. It holds the window's tape while it runs and is removed by the close keys, so
// a tape is found in it only after any other end.
std::filesystem::path RecoveryFilePath(const std::filesystem::path& programDir, int window = 1);

// The tape that `bytes` hold: their first record, which holds a whole tape, followed by the
// changes of the same window up to the first record that is cut short or damaged. Nothing
// when the file holds no whole first record.
std::optional<RecoveredTape> DecodeRecoveryFile(std::string_view bytes);

// The tape of the recovery file `file`; nothing when it is missing, unreadable or damaged from
// its start.
std::optional<RecoveredTape> ReadRecoveryFile(const std::filesystem::path& file);

// Removes the recovery file `file`, so that the next start shows an empty tape.
void DiscardRecoveryFile(const std::filesystem::path& file);

}  // namespace cinta
