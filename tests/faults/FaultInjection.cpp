// SPDX-License-Identifier: MIT
#include "FaultInjection.h"

#include "support/TempFolder.h"

namespace cinta {

FolderSnapshot Snapshot(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  FolderSnapshot snapshot;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    if (entry.is_symlink()) {
      snapshot[name] = "link:" + fs::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      snapshot[name] = "dir";
    } else {
      snapshot[name] = "file:" + ReadBytes(entry.path());
    }
  }
  return snapshot;
}

}  // namespace cinta
