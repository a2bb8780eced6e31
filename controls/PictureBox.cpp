// SPDX-License-Identifier: MIT
#include "controls/PictureBox.h"

namespace cinta {

PictureBox::PictureBox(QWidget* parent) : TwipsControl<QWidget>(parent) {}

void PictureBox::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

}  // namespace cinta
