// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <memory>

#include "Form1/Form1.h"
#include "Form1/ProgramDirectory.h"

namespace cinta {

// A main window over the program folder beside the benchmark, shown and active, as a user
// meets it.
inline std::unique_ptr<Form1> OpenBenchWindow() {
  auto form = std::make_unique<Form1>(ProgramDirectory());
  form->show();
  form->activateWindow();
  QCoreApplication::processEvents();
  return form;
}

}  // namespace cinta
