// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// Reads the lines of the configuration files, which are written with CR LF: a line ends at CR,
// an LF right after that CR belongs to the line end, and an LF on its own is an ordinary
// character, so that a file saved with LF alone reads as one line instead of being split.
// Nothing is trimmed. The bytes must outlive the reader.
class CrLineReader {
 public:
  explicit CrLineReader(std::string_view bytes) : remaining_(bytes) {}

  // The next line without its line end; nullopt once no byte is left, so data ending in a line
  // end has no empty line after it.
  std::optional<std::string> NextLine();

 private:
  std::string_view remaining_;
};

}  // namespace cinta
