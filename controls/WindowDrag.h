// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace cinta {

// Moves a window that has no title bar when the user drags its surface, as a title-bar drag
// would: the window system's own interactive move where it offers one, otherwise the window
// follows the pointer until the button is released.
class WindowDrag {
 public:
  explicit WindowDrag(QWidget* window) : window_(window) {}

  // Only the left button alone starts a move; any other button or combination does nothing.
  static bool StartsMove(Qt::MouseButtons buttons) { return buttons == Qt::LeftButton; }

  // A button went down: the drag it begins may start one move.
  void Press() {
    started_ = false;
    following_ = false;
  }
  // Called on a pointer move over the window's surface with the left button alone held. Only the
  // first such move of a press starts a move: a window manager's move takes the pointer without
  // telling us, so the moves queued before it, or reported at the release, would each start
  // another, and one run after the release leaves the window following the pointer until the
  // next click.
  void Begin(const QPoint& globalPointer);
  // While following (the fallback), the window keeps the pointer's offset from its corner.
  bool Following() const { return following_; }
  void Follow(const QPoint& globalPointer);
  void End() { following_ = false; }

 private:
  QPointer<QWidget> window_;
  bool started_ = false;
  bool following_ = false;
  QPoint offset_;
};

}  // namespace cinta
