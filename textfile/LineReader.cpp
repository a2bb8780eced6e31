// SPDX-License-Identifier: MIT
#include "textfile/LineReader.h"

#include <cstddef>

namespace cinta {

std::optional<std::string> LineReader::NextLine() {
  if (remaining_.empty()) return std::nullopt;
  const std::size_t end = remaining_.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    std::string line(remaining_);
    remaining_ = {};
    return line;
  }
  std::string line(remaining_.substr(0, end));
  const bool crLf = remaining_.substr(end, 2) == "\r\n";
  remaining_.remove_prefix(end + (crLf ? 2 : 1));
  return line;
}

}  // namespace cinta
