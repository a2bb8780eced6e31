// SPDX-License-Identifier: MIT
#include <QApplication>

#include "app/ProgramDirectory.h"
#include "assets/Pictures.h"
#include "tapewindow/RecoverySlot.h"
#include "tapewindow/TapeWindow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setWindowIcon(cinta::PictureIcon(cinta::PictureId::Icon));
  const std::filesystem::path programDir = cinta::ProgramDirectory();
  // Held until the window is gone: a second window started in the folder takes a file of its own.
  const cinta::RecoverySlot recoveryFile(programDir);
  cinta::TapeWindow window(programDir, recoveryFile.File());
  window.show();
  // Without a window manager no window becomes active by itself, and an inactive window gets
  // neither keyboard input nor tooltips.
  window.activateWindow();
  return QApplication::exec();
}
