// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace cinta {

// The core keeps its texts as UTF-8; the controls show QStrings.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace cinta
