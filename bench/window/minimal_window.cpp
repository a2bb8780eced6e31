// SPDX-License-Identifier: MIT
// The yardstick for start-up: an empty Qt window of the main window's size, shown and painted.
// With --caption it also shows one line of text, so that it pays for the font system as every
// window with text does.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "QuitAfterFirstPaint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(818, 547);
  if (argc > 1 && std::strcmp(argv[1], "--caption") == 0) {
    auto* caption = new QLabel(QStringLiteral("Resultados anteriores"), &window);
    caption->move(10, 10);
  }
  cinta::QuitAfterFirstPaint quit(&window);
  window.show();
  window.activateWindow();
  return QApplication::exec();
}
