// SPDX-License-Identifier: MIT
#pragma once

// Each runs one QTest class and returns its number of failures.
namespace cinta {

int RunNumberKeysTest(int argc, char** argv);
int RunOperatorKeysTest(int argc, char** argv);
int RunFormatKeysTest(int argc, char** argv);
int RunConfigurationTest(int argc, char** argv);
int RunStartupTest(int argc, char** argv);
int RunRowEditorTest(int argc, char** argv);
int RunRowLimitTest(int argc, char** argv);
int RunSaveKeyTest(int argc, char** argv);
int RunKeyboardTest(int argc, char** argv);
int RunAccessibilityTest(int argc, char** argv);
int RunLongInputTest(int argc, char** argv);
int RunEditingKeysTest(int argc, char** argv);
int RunClearKeysTest(int argc, char** argv);
int RunUndoTest(int argc, char** argv);

}  // namespace cinta
