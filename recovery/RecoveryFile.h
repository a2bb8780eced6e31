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

// The recovery file, recuperacion.dat in the program folder. It holds the tape while the program
// runs and is removed by the close keys, so a tape is found in it only after any other end.
std::filesystem::path RecoveryFilePath(const std::filesystem::path& programDir);

// The tape that `bytes` hold: their first record, which holds a whole tape, followed by the
// changes of the same window up to the first record that is cut short or damaged. Nothing
// when the file holds no whole first record.
std::optional<RecoveredTape> DecodeRecoveryFile(std::string_view bytes);

// The tape of the recovery file in `programDir`; nothing when it is missing, unreadable or
// damaged from its start.
std::optional<RecoveredTape> ReadRecoveryFile(const std::filesystem::path& programDir);

// Removes the recovery file, so that the next start shows an empty tape.
void DiscardRecoveryFile(const std::filesystem::path& programDir);

}  // namespace cinta
