// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>

#include "config/Configuration.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

namespace fs = std::filesystem;

const char* const kSpanishNames[] = {
    "Suma",          "Resta",   "Multiplicación", "División", "Potencia",        "Porcentaje",
    "Raíz cuadrada", "Inverso", "Raíz",           "Resto",    "Cociente entero", "Factorial",
};

TEST(ShippedConfiguration, NamesEveryOperatorInSpanish) {
  const Configuration configuration = ReadConfiguration(CINTA_PROGRAM_DIR);
  for (std::size_t k = 0; k < 12; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(configuration.operatorNames[k], kSpanishNames[k]);
    // Each tooltip begins with the name of its own operator, so the two files stay in step.
    EXPECT_EQ(configuration.tooltips[k].rfind(std::string(kSpanishNames[k]) + ": ", 0), 0U);
  }
  EXPECT_EQ(configuration.operatorNames[12], "");
  EXPECT_EQ(configuration.currencySymbol, "€");
}

TEST(ShippedConfiguration, FilesAreCrLfLinesCopiedUnchanged) {
  struct File {
    const char* name;
    std::ptrdiff_t lines;
  };
  for (const File file : {File{"inicio.txt", 12}, File{"ayuda.txt", 12}, File{"moneda.txt", 1}}) {
    SCOPED_TRACE(file.name);
    const std::string bytes = ReadBytes(fs::path(CINTA_SOURCE_DIR) / "configuracion" / file.name);
    std::ptrdiff_t lineEnds = 0;
    for (std::size_t pos = bytes.find("\r\n"); pos != std::string::npos;
         pos = bytes.find("\r\n", pos + 2)) {
      ++lineEnds;
    }
    // Every CR and every LF belongs to a CR LF, and the last line has one too.
    EXPECT_EQ(lineEnds, file.lines);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), lineEnds);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), lineEnds);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(ReadBytes(fs::path(CINTA_PROGRAM_DIR) / "configuracion" / file.name), bytes);
  }
  EXPECT_TRUE(fs::is_directory(fs::path(CINTA_PROGRAM_DIR) / "operaciones"));
}

}  // namespace
}  // namespace cinta
