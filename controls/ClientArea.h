// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace cinta {

// Our windows have no title bar and a fixed thin frame. SetUpThinFramedWindow makes `window`
// a frameless top-level of the client size plus a 1-pixel frame on each side, and returns the
// client area: the surface that holds the controls, filled with the back colour and the
// background picture drawn unscaled from its top-left corner.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* window, const QColor& backColor, const QPixmap& background);

  void SetBackground(const QPixmap& background);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor backColor_;
  QPixmap background_;
};

inline constexpr int kFramePixels = 1;

// `clientWidthTwips` x `clientHeightTwips` is the client area; the window cannot be resized.
ClientArea* SetUpThinFramedWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips,
                                  const QColor& backColor, const QPixmap& background);

}  // namespace cinta
