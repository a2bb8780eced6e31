// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace cinta {

// Moves a window that has no title bar when the user drags the bare part of its surface (outside
// every shown control) with the left button alone, as a title-bar drag would: the window system's
// own interactive move where it offers one, otherwise the window follows the pointer until the
// button is released. It watches the surface's mouse events itself.
class WindowDrag : public QObject {
 public:
  WindowDrag(QWidget* window, QWidget* surface);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Only the first pointer move of a press starts a move: a window manager's move takes the
  // pointer without telling us, so the moves queued before it, or reported at the release, would
  // each start another, and one run after the release leaves the window following the pointer
  // until the next click.
  void Begin(const QPoint& globalPointer);
  // While following (the fallback), the window keeps the pointer's offset from its corner.
  void Follow(const QPoint& globalPointer);

  QPointer<QWidget> window_;
  QPointer<QWidget> surface_;
  // Whether the button held went down on the bare surface.
  bool pressedOnSurface_ = false;
  bool started_ = false;
  bool following_ = false;
  QPoint offset_;
};

}  // namespace cinta
