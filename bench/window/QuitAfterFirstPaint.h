// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace cinta {

// Ends the event loop once `window` has been painted for the first time: the point at which a
// user sees it. Both start-up probes stop at this same point, and print the moment on standard
// output as nanoseconds of the system clock, which all processes share, Windows programs under
// Wine too. The paint is watched on every widget of the window, since a window covered by its
// children is never painted itself.
class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget* window) : window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      QCoreApplication::instance()->removeEventFilter(this);
      // Queued, so that the whole window's paint completes first.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            QCoreApplication::quit();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace cinta
