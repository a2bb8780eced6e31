// SPDX-License-Identifier: MIT
#include "config/Configuration.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "textfile/FileRead.h"
#include "textfile/LineReader.h"
#include "textfile/Windows1252.h"

namespace cinta {
namespace {

// Twelve short lines need far less. A larger or binary file costs no more than this at start-up,
// and its twelfth line read simply ends at the bound; the cap also keeps the twelve tooltip
// copies of one overlong line small.
constexpr std::size_t kReadLimit = 64 * 1024;

// The text of a configuration file as UTF-8: the program writes them in Windows-1252, but an
// editor may have saved them as UTF-8. A file that cannot be read fails every read, as an empty
// one does.
std::string ReadText(const std::filesystem::path& file) {
  const std::string bytes = ReadFilePrefix(file, kReadLimit).value_or("");
  return DecodeUtf8OrWindows1252(bytes, bytes.size() == kReadLimit);
}

void ReadOperatorNames(const std::filesystem::path& file, OperatorNames& names) {
  const std::string text = ReadText(file);
  LineReader reader(text);
  // Entry 12 names no operator and is never read; a failed read leaves its entry unset.
  for (std::string& name : std::span(names).first<kOperatorCount>()) {
    if (std::optional<std::string> line = reader.NextLine()) name = std::move(*line);
  }
}

void ReadTooltips(const std::filesystem::path& file,
                  std::array<std::string, kOperatorCount>& tooltips) {
  const std::string text = ReadText(file);
  LineReader reader(text);
  // One scratch text serves all twelve keys and is set in every pass, so the keys after the last
  // line of a short file all show that last line.
  std::string scratch;
  for (std::string& tooltip : tooltips) {
    if (std::optional<std::string> line = reader.NextLine()) scratch = std::move(*line);
    tooltip = scratch;
  }
}

// The bytes of the first character of a UTF-8 text, which both decodings give whole.
std::size_t FirstCharacterLength(std::string_view utf8) {
  if (utf8.empty()) return 0;
  const auto lead = static_cast<unsigned char>(utf8.front());
  if (lead < 0x80) return 1;
  if (lead < 0xE0) return 2;
  return lead < 0xF0 ? 3 : 4;
}

std::string ReadCurrencySymbol(const std::filesystem::path& file) {
  // Only the first character counts.
  std::string text = ReadText(file);
  text.resize(FirstCharacterLength(text));
  return text;
}

}  // namespace

Configuration ReadConfiguration(const std::filesystem::path& programDir) {
  const std::filesystem::path folder = programDir / "configuracion";
  Configuration configuration;
  ReadOperatorNames(folder / "inicio.txt", configuration.operatorNames);
  ReadTooltips(folder / "ayuda.txt", configuration.tooltips);
  configuration.currencySymbol = ReadCurrencySymbol(folder / "moneda.txt");
  return configuration;
}

}  // namespace cinta
