// SPDX-License-Identifier: MIT
#include <QApplication>

#include "Suites.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int failures = 0;
  for (auto* run :
       {cinta::RunOpeningTest, cinta::RunActionsTest, cinta::RunPrintTest, cinta::RunEndTest}) {
    failures += run(argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
