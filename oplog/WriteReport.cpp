// SPDX-License-Identifier: MIT
#include "oplog/WriteReport.h"

#include "textfile/AtomicWrite.h"

namespace cinta {

bool WriteReport(const std::filesystem::path& programDir, std::string_view bytes) {
  return WriteFileAtomically(programDir / "operacion.txt", bytes);
}

}  // namespace cinta
