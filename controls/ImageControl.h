// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

#include "controls/TwipsControl.h"

namespace cinta {

// An image drawn on its container's surface. It takes the size of its picture and reports
// clicks; it is not a key and never takes the focus.
class ImageControl : public TwipsControl<QWidget> {
  Q_OBJECT

 public:
  explicit ImageControl(QWidget* parent = nullptr);

  const QPixmap& Picture() const { return picture_; }
  // Places the image at (left, top) in twips and sizes it to the picture's logical size.
  void SetPicture(const QPixmap& picture, int left, int top);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace cinta
