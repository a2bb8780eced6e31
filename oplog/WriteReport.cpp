// SPDX-License-Identifier: MIT
#include "oplog/WriteReport.h"

#include "textfile/AtomicWrite.h"

namespace cinta {

std::filesystem::path OperationLogPath(const std::filesystem::path& programDir) {
  return programDir / "operacion.txt";
}

WriteResult WriteReport(const std::filesystem::path& programDir, std::string_view bytes) {
  return WriteFileAtomically(OperationLogPath(programDir), bytes);
}

}  // namespace cinta
