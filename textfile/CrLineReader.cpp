// SPDX-License-Identifier: MIT
#include "textfile/CrLineReader.h"

#include <cstddef>

namespace cinta {

std::optional<std::string> CrLineReader::NextLine() {
  if (remaining_.empty()) return std::nullopt;
  const std::size_t cr = remaining_.find('\r');
  if (cr == std::string_view::npos) {
    std::string line(remaining_);
    remaining_ = {};
    return line;
  }
  std::string line(remaining_.substr(0, cr));
  std::size_t end = cr + 1;
  if (end < remaining_.size() && remaining_[end] == '\n') ++end;
  remaining_.remove_prefix(end);
  return line;
}

}  // namespace cinta
