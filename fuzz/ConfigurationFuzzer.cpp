// SPDX-License-Identifier: MIT
// Random bytes, a folder or nothing at all in place of each of the three configuration files:
// reading always returns, and gives the names, tooltips and currency sign that the lines of the
// files give, read here by a separate, plain line splitter.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "FuzzSupport.h"
#include "config/Configuration.h"
#include "textfile/Windows1252.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

// Lines end at CR, and an LF right after a CR belongs to that line end.
std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r') {
      line += bytes[i];
      continue;
    }
    lines.push_back(DecodeWindows1252(line));
    line.clear();
    if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(DecodeWindows1252(line));
  return lines;
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

  const std::vector<std::string> nameLines = SplitLines(names.value_or(""));
  for (std::size_t k = 0; k < read.operatorNames.size(); ++k) {
    const bool hasLine = k < kOperatorCount && k < nameLines.size();
    Require(read.operatorNames[k] == (hasLine ? nameLines[k] : ""), "operator name k is line k+1");
  }
  const std::vector<std::string> tooltipLines = SplitLines(tooltips.value_or(""));
  std::string scratch;
  for (std::size_t k = 0; k < read.tooltips.size(); ++k) {
    if (k < tooltipLines.size()) scratch = tooltipLines[k];
    Require(read.tooltips[k] == scratch, "tooltip k is line k+1, or the last line read");
  }
  const std::string expectedSymbol =
      currency && !currency->empty() ? DecodeWindows1252(currency->substr(0, 1)) : "";
  Require(read.currencySymbol == expectedSymbol, "the currency sign is the first character");
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  cinta::FuzzOne(input);
  return 0;
}
