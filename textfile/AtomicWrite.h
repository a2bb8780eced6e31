// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// Replaces `target` with `bytes` in one step: the bytes go to a new file in the same folder,
// which then is renamed over the target. A failed or interrupted write leaves the old file
// whole; a symbolic link at the target is replaced, never written through; a folder or a file
// the user may not write at the target is left alone, and a replaced file keeps its
// permissions. Where the folder lets the user make no new file, a target they may write is
// rewritten in place instead (RewriteInPlace), which a full disk cannot tear but a crash can.
// Returns false, leaving no temporary file, on any failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Writes `bytes` as a new file in `folder` named `name`, or when that name is taken, the first
// free one of "name (2)", "name (3)", ...; an existing file is never replaced, and the file
// appears with its whole content at once where the file system has hard links (on POSIX) or
// always (on Windows). Returns the path written, or nullopt.
std::optional<std::filesystem::path> WriteNewFileAtomically(const std::filesystem::path& folder,
                                                            const std::string& name,
                                                            std::string_view bytes);

}  // namespace cinta
