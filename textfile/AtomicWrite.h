// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "textfile/WriteResult.h"

namespace cinta {

// Replaces `target` with `bytes` in one step: the bytes go to a new file in the same folder,
// which then is renamed over the target. A failed or interrupted write leaves the old file
// whole; a symbolic link at the target is replaced, never written through; a folder or a file
// the user may not write at the target is left alone, and a replaced file keeps its
// permissions. Where the folder lets the user make no new file, a target they may write is
// rewritten in place instead (RewriteInPlace), which a full disk cannot tear but a crash can.
// On any failure it leaves no temporary file and says why.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Whether WriteFileAtomically could now write `size` bytes to `target`, found out without the
// bytes themselves: a new file of that size is written in the target's folder, not flushed, and
// removed again. Far cheaper than building a large file's bytes only to see its write fail.
WriteResult ProbeFileWrite(const std::filesystem::path& target, std::size_t size);

struct NewFile {
  WriteResult result;
  std::filesystem::path path;  // the name written, when written
};

// Writes `bytes` as a new file in `folder` named `name`, or when that name is taken, the first
// free one of "name (2)", "name (3)", ...; an existing file is never replaced, and the file
// appears with its whole content at once where the file system has hard links (on POSIX) or
// always (on Windows).
NewFile WriteNewFileAtomically(const std::filesystem::path& folder, const std::string& name,
                               std::string_view bytes);

}  // namespace cinta
