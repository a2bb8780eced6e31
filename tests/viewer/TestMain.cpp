// SPDX-License-Identifier: MIT
#include "Suites.h"
#include "support/NamedSuites.h"

int main(int argc, char** argv) {
  // Named as tests/ReportViewer/CMakeLists.txt registers them: the source file's name without
  // "Test".
  static constexpr cinta::NamedSuite kSuites[] = {
      {"Actions", cinta::RunActionsTest},
      {"End", cinta::RunEndTest},
      {"Opening", cinta::RunOpeningTest},
      {"Print", cinta::RunPrintTest},
  };
  return cinta::RunNamedSuite(argc, argv, kSuites);
}
