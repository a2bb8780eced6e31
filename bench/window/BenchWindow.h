// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/ProgramDirectory.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

// A program folder of its own with the shipped configuration, so that what the window writes
// (the recovery file, the report) leaves no trace beside the benchmark.
class BenchProgramFolder {
 public:
  BenchProgramFolder() {
    std::filesystem::copy(ProgramDirectory() / "configuracion", Path() / "configuracion",
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directory(Path() / "operaciones");
  }
  std::filesystem::path Path() const { return QFile::encodeName(folder_.path()).toStdString(); }

 private:
  QTemporaryDir folder_;
};

// A main window over a program folder of its own, shown and active, as a user meets it.
struct BenchWindow {
  BenchWindow() {
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
  }

  BenchProgramFolder folder;
  TapeWindow form{folder.Path()};
};

// The windows that the benchmarks keep from one run to the next. main() closes them while the
// application object, which they need, still exists.
inline std::vector<std::unique_ptr<BenchWindow>>& KeptWindows() {
  static std::vector<std::unique_ptr<BenchWindow>> windows;
  return windows;
}
inline TapeWindow& KeepWindow() {
  return KeptWindows().emplace_back(std::make_unique<BenchWindow>())->form;
}

}  // namespace cinta
