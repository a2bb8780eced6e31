// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

#include "textfile/WriteResult.h"

namespace cinta {

// Rewrites the existing regular file `file` with `bytes` through the file itself, for a folder in
// which no new file can be made, and flushes it to the disk. The part beyond the old end is
// written first: should the disk be full, the file is cut back to its old length, its old text
// untouched. A symbolic link at the name is refused, never followed, and so is anything but a
// regular file. Says why it failed, if it did.
WriteResult RewriteInPlace(const std::filesystem::path& file, std::string_view bytes);

}  // namespace cinta
