// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

#include "controls/TwipsControl.h"

namespace cinta {

// A container with a back colour that clips its children to its own rectangle.
class PictureBox : public TwipsControl<QWidget> {
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void SetBackColor(const QColor& color);
};

}  // namespace cinta
