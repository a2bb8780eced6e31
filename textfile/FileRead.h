// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace cinta {

// The bytes of a regular file, or nullopt when it cannot be opened, is no regular file (a
// folder, a pipe) or holds more than maxBytes; the size is judged before the file is read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// At most the first maxBytes bytes of a regular file; nullopt as for ReadWholeFile, except that
// a longer file is cut, never refused.
std::optional<std::string> ReadFilePrefix(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace cinta
