// SPDX-License-Identifier: MIT
#include "app/ProgramDirectory.h"

#include <QCoreApplication>
#include <QFile>

namespace cinta {

std::filesystem::path ProgramDirectory() {
  const QString folder = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
  return std::filesystem::path(folder.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

}  // namespace cinta
