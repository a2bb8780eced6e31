// SPDX-License-Identifier: MIT
#include "config/Configuration.h"

#include <cstddef>
#include <optional>
#include <span>

#include "textfile/CrLineReader.h"
#include "textfile/FileRead.h"
#include "textfile/Windows1252.h"

namespace cinta {
namespace {

// Twelve short lines need far less. A larger or binary file costs no more than this at start-up,
// and its twelfth line read simply ends at the bound; the cap also keeps the twelve tooltip
// copies of one overlong line small.
constexpr std::size_t kLinesReadLimit = 64 * 1024;

void ReadOperatorNames(const std::filesystem::path& file, OperatorNames& names) {
  // A file that cannot be read fails every read, as an empty one does.
  const std::string bytes = ReadFilePrefix(file, kLinesReadLimit).value_or("");
  CrLineReader reader(bytes);
  // Entry 12 names no operator and is never read; a failed read leaves its entry unset.
  for (std::string& name : std::span(names).first<kOperatorCount>()) {
    if (const std::optional<std::string> line = reader.NextLine()) {
      name = DecodeWindows1252(*line);
    }
  }
}

void ReadTooltips(const std::filesystem::path& file,
                  std::array<std::string, kOperatorCount>& tooltips) {
  const std::string bytes = ReadFilePrefix(file, kLinesReadLimit).value_or("");
  CrLineReader reader(bytes);
  // One scratch text serves all twelve keys and is set in every pass, so the keys after the last
  // line of a short file all show that last line.
  std::string scratch;
  for (std::string& tooltip : tooltips) {
    if (const std::optional<std::string> line = reader.NextLine()) {
      scratch = DecodeWindows1252(*line);
    }
    tooltip = scratch;
  }
}

std::string ReadCurrencySymbol(const std::filesystem::path& file) {
  // Only the first character counts, and one character is one byte in this encoding.
  const std::optional<std::string> bytes = ReadFilePrefix(file, 1);
  return bytes ? DecodeWindows1252(*bytes) : std::string();
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
