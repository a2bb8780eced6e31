// SPDX-License-Identifier: MIT
#include "controls/Label.h"

namespace cinta {

Label::Label(QWidget* parent) : TwipsControl<QLabel>(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
}

void Label::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

void Label::SetTransparent() {
  setAutoFillBackground(false);
}

void Label::SetForeColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

}  // namespace cinta
