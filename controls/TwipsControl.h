// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "controls/Twips.h"

namespace cinta {

// Gives a Qt widget the vocabulary of the layouts: Left, Top, Width and Height in twips, kept
// exactly as set (reading back never suffers from pixel rounding), and Visible as the control's
// own flag, independent of whether its window is shown yet.
template <class Base>
class TwipsControl : public Base {
 public:
  using Base::Base;

  int Left() const { return rect_.left; }
  int Top() const { return rect_.top; }
  int Width() const { return rect_.width; }
  int Height() const { return rect_.height; }

  void SetLeft(int twips) { Move({twips, rect_.top, rect_.width, rect_.height}); }
  void SetTop(int twips) { Move({rect_.left, twips, rect_.width, rect_.height}); }
  void SetHeight(int twips) { Move({rect_.left, rect_.top, rect_.width, twips}); }
  void Move(const TwipsRect& rect) {
    rect_ = rect;
    this->setGeometry(rect.ToPixels());
  }

  bool Visible() const { return !this->isHidden(); }
  void SetVisible(bool visible) { this->setVisible(visible); }

 private:
  TwipsRect rect_;
};

}  // namespace cinta
