// SPDX-License-Identifier: MIT
#include <QApplication>

#include "Form1/Form1.h"
#include "app/ProgramDirectory.h"
#include "assets/Pictures.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setWindowIcon(cinta::PictureIcon(cinta::PictureId::Icon));
  cinta::Form1 window(cinta::ProgramDirectory());
  window.show();
  // Without a window manager no window becomes active by itself, and an inactive window gets
  // neither keyboard input nor tooltips.
  window.activateWindow();
  return QApplication::exec();
}
