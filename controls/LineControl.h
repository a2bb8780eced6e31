// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace cinta {

// A straight line on its container's surface, from (x1, y1) to (x2, y2) in twips, with a
// colour and a width in pixels. It takes no clicks.
class LineControl : public QWidget {
 public:
  LineControl(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color,
              int widthPixels);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
  QColor color_;
  int widthPixels_;
};

}  // namespace cinta
