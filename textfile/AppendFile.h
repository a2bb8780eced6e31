// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

namespace cinta {

// Adds `bytes` at the end of the regular file `file`, which must exist; a symbolic link there is
// not followed and nothing is created. Not flushed to the disk: a program killed afterwards
// loses nothing, a power cut may lose the end. Returns false when not every byte was written;
// part of them may then be there.
bool AppendToFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace cinta
