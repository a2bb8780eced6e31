// SPDX-License-Identifier: MIT
// Random bytes, a folder or nothing at all in place of each of the three configuration files:
// reading always returns, and gives the names, tooltips and currency sign that the lines of the
// files give, decoded and split here by a separate, plain reader. Inputs stay far below the
// 64 KB read of each file, so the whole file counts.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "FuzzSupport.h"
#include "config/Configuration.h"
#include "textfile/Windows1252.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

// Whether `bytes` is well-formed UTF-8, by the table of well-formed byte sequences.
bool IsUtf8(std::string_view bytes) {
  std::size_t i = 0;
  const auto next = [&](std::size_t k, unsigned low, unsigned high) {
    if (i + k >= bytes.size()) return false;
    const auto byte = static_cast<unsigned char>(bytes[i + k]);
    return byte >= low && byte <= high;
  };
  const auto tail = [&](std::size_t count) {
    for (std::size_t k = 2; k <= count; ++k) {
      if (!next(k, 0x80, 0xBF)) return false;
    }
    return true;
  };
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    if (lead <= 0x7F) {
      length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = next(1, 0x80, 0xBF) ? 2 : 0;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
      const unsigned high = lead == 0xED ? 0x9F : 0xBF;
      length = next(1, low, high) && tail(2) ? 3 : 0;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
      const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
      length = next(1, low, high) && tail(3) ? 4 : 0;
    }
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// The file's text: UTF-8 without its byte order mark when it is valid UTF-8, else Windows-1252.
std::string Decode(const std::string& bytes) {
  if (!IsUtf8(bytes)) return DecodeWindows1252(bytes);
  return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

// Lines end at CR LF, CR or LF.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      line += text[i];
      continue;
    }
    lines.push_back(line);
    line.clear();
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The first character of a UTF-8 text: its first byte and the continuation bytes after it.
std::string FirstCharacter(const std::string& text) {
  std::size_t length = text.empty() ? 0 : 1;
  while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return text.substr(0, length);
}

// One program folder for the whole run; each input replaces its three files. The path is never
// destroyed, so the exit handler that removes the folder can still read it.
const fs::path& ProgramFolder() {
  static const fs::path* const folder = [] {
    std::string name = (fs::temp_directory_path() / "cinta-config-fuzz-XXXXXX").string();
    Require(::mkdtemp(name.data()) != nullptr, "a temporary program folder");
    fs::create_directory(fs::path(name) / "configuracion");
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(ProgramFolder(), ignored);
    });
    return new fs::path(name);
  }();
  return *folder;
}

// The file's bytes, or nullopt when the input puts a folder there or leaves the file out.
std::optional<std::string> PlaceFile(FuzzedDataProvider& input, const fs::path& file) {
  fs::remove_all(file);
  switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return std::nullopt;
    case 1:
      fs::create_directory(file);
      return std::nullopt;
    default: {
      std::string bytes = input.ConsumeRandomLengthString();
      std::ofstream(file, std::ios::binary) << bytes;
      return bytes;
    }
  }
}

void FuzzOne(FuzzedDataProvider& input) {
  const fs::path folder = ProgramFolder() / "configuracion";
  const std::optional<std::string> names = PlaceFile(input, folder / "inicio.txt");
  const std::optional<std::string> tooltips = PlaceFile(input, folder / "ayuda.txt");
  const std::optional<std::string> currency = PlaceFile(input, folder / "moneda.txt");
  const Configuration read = ReadConfiguration(ProgramFolder());

  const std::vector<std::string> nameLines = SplitLines(Decode(names.value_or("")));
  for (std::size_t k = 0; k < read.operatorNames.size(); ++k) {
    const bool hasLine = k < kOperatorCount && k < nameLines.size();
    Require(read.operatorNames[k] == (hasLine ? nameLines[k] : ""), "operator name k is line k+1");
  }
  const std::vector<std::string> tooltipLines = SplitLines(Decode(tooltips.value_or("")));
  std::string scratch;
  for (std::size_t k = 0; k < read.tooltips.size(); ++k) {
    if (k < tooltipLines.size()) scratch = tooltipLines[k];
    Require(read.tooltips[k] == scratch, "tooltip k is line k+1, or the last line read");
  }
  Require(read.currencySymbol == FirstCharacter(Decode(currency.value_or(""))),
          "the currency sign is the first character");
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  cinta::FuzzOne(input);
  return 0;
}
