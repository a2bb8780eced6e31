// SPDX-License-Identifier: MIT
#include "controls/WindowDrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

#include "controls/LineControl.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace cinta {
namespace {

// Whether `point` of the surface lies outside every shown control. Labels let the mouse through
// to the surface, so who received the event does not tell; the controls' rectangles do. A line
// takes no mouse events of its own: the surface under it is bare.
bool OnBareSurface(const QWidget& surface, const QPoint& point) {
  for (const QObject* child : surface.children()) {
    const auto* control = qobject_cast<const QWidget*>(child);
    if (control != nullptr && dynamic_cast<const LineControl*>(control) == nullptr &&
        control->isVisible() && control->geometry().contains(point))
      return false;
  }
  return true;
}

}  // namespace

WindowDrag::WindowDrag(QWidget* window, QWidget* surface)
    : QObject(window), window_(window), surface_(surface) {
  surface->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
  if (watched != surface_ || mouse == nullptr) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // The moves of a drag belong to where its button went down. Presses that a control
      // ignores reach the surface too, so the place decides, not the receiver.
      started_ = false;
      following_ = false;
      pressedOnSurface_ = OnBareSurface(*surface_, mouse->position().toPoint());
      return false;
    case QEvent::MouseMove:
      if (following_ && (mouse->buttons() & Qt::LeftButton)) {
        Follow(mouse->globalPosition().toPoint());
      } else if (following_) {
        following_ = false;
      } else if (pressedOnSurface_ && mouse->buttons() == Qt::LeftButton) {
        Begin(mouse->globalPosition().toPoint());
      }
      return true;
    case QEvent::MouseButtonRelease:
      following_ = false;
      pressedOnSurface_ = false;
      return false;
    default:
      return false;
  }
}

void WindowDrag::Begin(const QPoint& globalPointer) {
  if (!window_ || started_) return;
  started_ = true;
#ifdef Q_OS_WIN
  // Only the windows platform gives the window a real HWND; on the others (offscreen) the
  // window follows the pointer as below.
  if (QGuiApplication::platformName() == QLatin1String("windows")) {
    // Pretend the press happened on the caption: Windows then runs its own move loop and
    // returns when the button is released.
    ReleaseCapture();
    SendMessageA(reinterpret_cast<HWND>(window_->winId()), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return;
  }
#else
  QWindow* handle = window_->windowHandle();
  if (handle && handle->startSystemMove()) return;
#endif
  // No window manager to hand the move to (bare X11, offscreen): follow the pointer ourselves.
  following_ = true;
  offset_ = globalPointer - window_->frameGeometry().topLeft();
}

void WindowDrag::Follow(const QPoint& globalPointer) {
  if (following_ && window_) window_->move(globalPointer - offset_);
}

}  // namespace cinta
