// SPDX-License-Identifier: MIT
#include "controls/LineControl.h"

#include <QPainter>

#include "controls/Twips.h"

namespace cinta {

LineControl::LineControl(QWidget* parent, int x1, int y1, int x2, int y2, const QColor& color,
                         int widthPixels)
    : QWidget(parent), color_(color), widthPixels_(widthPixels) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QPoint a(TwipsToPixels(x1), TwipsToPixels(y1));
  const QPoint b(TwipsToPixels(x2), TwipsToPixels(y2));
  // The widget covers the line's bounding box widened by the pen, centred on the line.
  const int half = widthPixels / 2;
  const QRect box = QRect(a, b).normalized().adjusted(-half, -half, half + 1, half + 1);
  setGeometry(box);
  from_ = a - box.topLeft();
  // Both end points belong to the line; a flat cap would stop just before the second one.
  const QPoint step((b.x() > a.x()) - (b.x() < a.x()), (b.y() > a.y()) - (b.y() < a.y()));
  to_ = b + step - box.topLeft();
}

void LineControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(color_, widthPixels_, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(from_, to_);
}

}  // namespace cinta
