// SPDX-License-Identifier: MIT
// Start-up of the main window as the program does it, ending once the window has painted.
#include <QApplication>

#include "QuitAfterFirstPaint.h"
#include "app/ProgramDirectory.h"
#include "assets/Pictures.h"
#include "tapewindow/TapeWindow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setWindowIcon(cinta::PictureIcon(cinta::PictureId::Icon));
  cinta::TapeWindow window(cinta::ProgramDirectory());
  cinta::QuitAfterFirstPaint quit(&window);
  window.show();
  window.activateWindow();
  return QApplication::exec();
}
