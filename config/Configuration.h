// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "calc/OperatorCode.h"

namespace cinta {

// The texts the program reads at start-up from its configuracion folder, as UTF-8. There are no
// built-in defaults: whatever could not be read stays empty.
struct Configuration {
  OperatorNames operatorNames;                       // inicio.txt: the operator names of the report
  std::array<std::string, kOperatorCount> tooltips;  // ayuda.txt: the tooltips of the operator keys
  std::string currencySymbol;                        // moneda.txt: empty or one character
};

// Reads the three files under `programDir`/configuracion. Each file is read on its own and
// every failure is skipped silently, so this always returns. A file may be UTF-8 or
// Windows-1252, with lines ending in CR LF, CR or LF.
Configuration ReadConfiguration(const std::filesystem::path& programDir);

}  // namespace cinta
