// SPDX-License-Identifier: MIT
#pragma once

// Each runs one QTest class and returns its number of failures.
namespace cinta {

int RunOpeningTest(int argc, char** argv);
int RunActionsTest(int argc, char** argv);
int RunPrintTest(int argc, char** argv);
int RunEndTest(int argc, char** argv);

}  // namespace cinta
