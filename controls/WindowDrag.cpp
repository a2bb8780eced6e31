// SPDX-License-Identifier: MIT
#include "controls/WindowDrag.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace cinta {

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
