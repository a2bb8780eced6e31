// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

#include "textfile/WriteResult.h"

namespace cinta {

// Refused: the folder lets this user make no new file, though it may let them write one in it.
enum class CreateResult { Written, NameTaken, Refused, Failed };

// Whether written bytes are flushed to the disk before a file is closed.
enum class Flush { Yes, No };

struct Creation {
  CreateResult result;
  WriteError error = WriteError::Other;  // why, when Refused or Failed
};

// Creates `file` only if its name is free (an existing file, folder or link counts as taken),
// writes `bytes` and flushes them to the disk. On a failure part-way the file is removed again.
Creation CreateAndWrite(const std::filesystem::path& file, std::string_view bytes,
                        Flush flush = Flush::Yes);

struct TempFile {
  CreateResult result;                   // Written, Refused or Failed
  WriteError error = WriteError::Other;  // why, when not Written
  std::filesystem::path path;            // when Written
};

// Creates a file under a new unique hidden name in `folder` (never opening an existing file or
// a link planted under that name), writes `bytes`, and flushes them to the disk before closing,
// so that a rename or link afterwards publishes complete content. When it is not Written,
// nothing is left behind.
TempFile WriteTempFile(const std::filesystem::path& folder, std::string_view bytes,
                       Flush flush = Flush::Yes);

}  // namespace cinta
