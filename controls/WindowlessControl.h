// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include "controls/Twips.h"

class QPainter;

namespace cinta {

class WindowlessLayer;

// A control without a window of its own: a plain object holding the properties the handlers read
// and write, painted and hit-tested by the container it lies in. A tape of 32 768 rows has five
// such controls per row, where one widget each would take seconds to create and hundreds of
// megabytes. Copies keep the size of the control they copy; afterwards the position, the
// width, the visibility and the contents change.
class WindowlessControl {
 public:
  explicit WindowlessControl(const TwipsRect& place) : place_(place) {}
  virtual ~WindowlessControl() = default;
  WindowlessControl(const WindowlessControl&) = default;
  WindowlessControl& operator=(const WindowlessControl&) = default;

  int Left() const { return place_.left; }
  int Top() const { return place_.top; }
  int Width() const { return place_.width; }
  int Height() const { return place_.height; }
  void SetLeft(int twips);
  void SetTop(int twips);
  void SetWidth(int twips);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Paints the control into `area`, its place in the painter's pixels.
  virtual void Paint(QPainter& painter, const QRect& area, bool pressed) const = 0;
  // Whether a click on the control goes to it; labels let clicks through to what lies below.
  virtual bool TakesMouse() const = 0;

 protected:
  // Tells the container what changed, so that it repaints the old and new place.
  void Changed(const TwipsRect& previousPlace, bool wasVisible) const;
  void Changed() const { Changed(place_, visible_); }

 private:
  friend class WindowlessLayer;

  const WindowlessLayer* layer_ = nullptr;  // set when the control joins an array
  TwipsRect place_;
  bool visible_ = true;
};

}  // namespace cinta
