// SPDX-License-Identifier: MIT
#include "Suites.h"
#include "support/NamedSuites.h"

int main(int argc, char** argv) {
  // Named as tests/TapeWindow/CMakeLists.txt registers them: the source file's name without "Test".
  static constexpr cinta::NamedSuite kSuites[] = {
      {"Accessibility", cinta::RunAccessibilityTest},
      {"ClearKeys", cinta::RunClearKeysTest},
      {"Configuration", cinta::RunConfigurationTest},
      {"EditingKeys", cinta::RunEditingKeysTest},
      {"FormatKeys", cinta::RunFormatKeysTest},
      {"Keyboard", cinta::RunKeyboardTest},
      {"LongInput", cinta::RunLongInputTest},
      {"NumberKeys", cinta::RunNumberKeysTest},
      {"OperatorKeys", cinta::RunOperatorKeysTest},
      {"RowEditor", cinta::RunRowEditorTest},
      {"RowLimit", cinta::RunRowLimitTest},
      {"SaveKey", cinta::RunSaveKeyTest},
      {"Startup", cinta::RunStartupTest},
      {"Undo", cinta::RunUndoTest},
  };
  return cinta::RunNamedSuite(argc, argv, kSuites);
}
