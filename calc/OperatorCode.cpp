// SPDX-License-Identifier: MIT
#include "calc/OperatorCode.h"

#include <cstddef>

namespace cinta {
namespace {

// Built once so that a found code is returned by copying a finished value: composing the
// optional field by field costs a stall on every row that an undo or a recovered tape writes back.
constexpr std::array<std::optional<OperatorCode>, kOperatorCount> kCodes = [] {
  std::array<std::optional<OperatorCode>, kOperatorCount> codes{};
  for (int i = 0; i < kOperatorCount; ++i) codes[static_cast<std::size_t>(i)] = OperatorCode{i};
  return codes;
}();

}  // namespace

std::optional<OperatorCode> ParseOperatorCode(std::string_view text) {
  // Exact decimal text only: no blanks, no sign, no leading zero ("00" and " 1" are no code).
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
    return kCodes[static_cast<std::size_t>(text[0] - '0')];
  }
  if (text.size() == 2 && text[0] == '1' && (text[1] == '0' || text[1] == '1')) {
    return kCodes[static_cast<std::size_t>(10 + text[1] - '0')];
  }
  return std::nullopt;
}

std::string CodeText(OperatorCode code) {
  return std::to_string(static_cast<int>(code));
}

}  // namespace cinta
