// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace cinta {

// Creates a file under a new unique hidden name in `folder` (never opening an existing file or
// a link planted under that name), writes `bytes`, and flushes them to the disk before closing,
// so that a rename or link afterwards publishes complete content. Returns its path, or nullopt
// with nothing left behind.
std::optional<std::filesystem::path> WriteTempFile(const std::filesystem::path& folder,
                                                   std::string_view bytes);

enum class CreateResult { Written, NameTaken, Failed };

// Creates `file` only if its name is free (an existing file, folder or link counts as taken),
// writes `bytes` and flushes them to the disk. On a failure part-way the file is removed again.
CreateResult CreateAndWrite(const std::filesystem::path& file, std::string_view bytes);

}  // namespace cinta
