// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace cinta {

// Moves a window that has no title bar when the user drags its surface, as a title-bar drag
// would: the window system's own interactive move where it offers one, otherwise the window
// follows the pointer until the button is released.
class WindowMove {
 public:
  explicit WindowMove(QWidget* window) : window_(window) {}

  // Only the left button alone starts a move; any other button or combination does nothing.
  static bool StartsMove(Qt::MouseButtons buttons) { return buttons == Qt::LeftButton; }

  // Called on a pointer move over the window's surface with the left button alone held.
  void Begin(const QPoint& globalPointer);
  // While following (the fallback), the window keeps the pointer's offset from its corner.
  bool Following() const { return following_; }
  void Follow(const QPoint& globalPointer);
  void End() { following_ = false; }

 private:
  QPointer<QWidget> window_;
  bool following_ = false;
  QPoint offset_;
};

}  // namespace cinta
