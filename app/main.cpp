// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <filesystem>

#include "Form1/Form1.h"
#include "assets/Pictures.h"

namespace {

// The folder of the executable, which holds configuracion/ and operaciones/.
std::filesystem::path ProgramDirectory() {
  const QString folder = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
  return std::filesystem::path(folder.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setWindowIcon(cinta::PictureIcon(cinta::PictureId::Icon));
  cinta::Form1 window(ProgramDirectory());
  window.show();
  // Without a window manager no window becomes active by itself, and an inactive window gets
  // neither keyboard input nor tooltips.
  window.activateWindow();
  return QApplication::exec();
}
