// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "support/FileSizeLimit.h"

namespace cinta {

// Everything under `folder`, links not followed: relative path -> "file:<bytes>", "dir" or
// "link:<target>". Two equal snapshots show that nothing in the folder was written.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot Snapshot(const std::filesystem::path& folder);

}  // namespace cinta
