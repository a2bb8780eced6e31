// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace cinta {

// A file larger than this counts as unreadable: reading it whole into the text box would hold
// the window for too long.
inline constexpr std::size_t kMaxShownFileBytes = std::size_t{16} * 1024 * 1024;

// The text of a Windows-1252 file, every byte one character, line breaks as they stand; nullopt
// when the file is missing, no regular file, unreadable or larger than kMaxShownFileBytes.
std::optional<QString> ReadTextFile(const std::filesystem::path& file);

// The Windows-1252 bytes of `text`, one byte per character, "?" for a character it lacks.
std::string EncodeTextFile(const QString& text);

}  // namespace cinta
