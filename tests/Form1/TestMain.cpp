// SPDX-License-Identifier: MIT
#include <QApplication>

#include "Suites.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int failures = 0;
  for (auto* run : {cinta::RunNumberKeysTest, cinta::RunOperatorKeysTest, cinta::RunFormatKeysTest,
                    cinta::RunConfigurationTest, cinta::RunStartupTest, cinta::RunRowEditorTest,
                    cinta::RunRowLimitTest, cinta::RunSaveKeyTest, cinta::RunKeyboardTest,
                    cinta::RunAccessibilityTest, cinta::RunLongInputTest, cinta::RunEditingKeysTest,
                    cinta::RunClearKeysTest, cinta::RunUndoTest}) {
    failures += run(argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
