// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cinta {

// Reads the lines of the configuration files. The program writes them with CR LF, but today's
// editors save LF alone and older Macintosh ones CR alone, so each of CR LF, CR and LF ends a
// line (an LF right after a CR belongs to that CR's line end). Nothing is trimmed. The bytes must
// outlive the reader.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : remaining_(bytes) {}

  // The next line without its line end; nullopt once no byte is left, so data ending in a line
  // end has no empty line after it.
  std::optional<std::string> NextLine();

 private:
  std::string_view remaining_;
};

}  // namespace cinta
