// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// Replaces `target` with `bytes` in one step: the bytes go to a new file in the same folder,
// which then is renamed over the target. A failed or interrupted write leaves the old file
// whole; a symbolic link at the target is replaced, never written through; a folder at the
// target is left alone. Returns false, leaving no temporary file, on any failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Writes `bytes` as a new file in `folder` named `name`, or when that name is taken, the first
// free one of "name (2)", "name (3)", ...; an existing file is never replaced, and the file
// appears with its whole content at once. Returns the path written, or nullopt. On POSIX it needs
// a file system with hard links.
std::optional<std::filesystem::path> WriteNewFileAtomically(const std::filesystem::path& folder,
                                                            const std::string& name,
                                                            std::string_view bytes);

}  // namespace cinta
