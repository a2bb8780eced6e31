// SPDX-License-Identifier: MIT
#include "controls/ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace cinta {

ImageControl::ImageControl(QWidget* parent) : TwipsControl<QWidget>(parent) {}

void ImageControl::SetPicture(const QPixmap& picture, int left, int top) {
  picture_ = picture;
  const QSizeF logical = picture.deviceIndependentSize();
  Move(
      {left, top, PixelsToTwips(qRound(logical.width())), PixelsToTwips(qRound(logical.height()))});
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace cinta
