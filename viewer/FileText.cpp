// SPDX-License-Identifier: MIT
#include "viewer/FileText.h"

#include "controls/Utf8Text.h"
#include "textfile/FileRead.h"
#include "textfile/Windows1252.h"

namespace cinta {

std::optional<QString> ReadTextFile(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadWholeFile(file, kMaxShownFileBytes);
  if (!bytes) return std::nullopt;
  return FromUtf8(DecodeWindows1252(*bytes));
}

std::string EncodeTextFile(const QString& text) {
  return EncodeWindows1252(text.toStdString());
}

}  // namespace cinta
