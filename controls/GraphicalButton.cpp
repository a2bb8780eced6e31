// SPDX-License-Identifier: MIT
#include "controls/GraphicalButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "controls/Bevel.h"

namespace cinta {

GraphicalButton::GraphicalButton(QWidget* parent)
    : TwipsControl<QAbstractButton>(parent), faceColor_(palette().color(QPalette::Button)) {
  setFocusPolicy(Qt::StrongFocus);
}

GraphicalButton::GraphicalButton(QWidget* parent, const TwipsRect& place, const QColor& face,
                                 const QPixmap& picture)
    : GraphicalButton(parent) {
  Move(place);
  SetFaceColor(face);
  SetPicture(picture);
}

void GraphicalButton::SetFaceColor(const QColor& color) {
  faceColor_ = color;
  update();
}

void GraphicalButton::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void GraphicalButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  painter.fillRect(area, faceColor_);
  const bool sunken = isDown();
  DrawBevel(painter, area, sunken);

  // The face moves one pixel down and right while pressed, as a pushed key would.
  const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
  if (!picture_.isNull()) {
    const QSizeF logical = picture_.deviceIndependentSize();
    const QPointF topLeft((area.width() - logical.width()) / 2.0,
                          (area.height() - logical.height()) / 2.0);
    painter.drawPixmap(topLeft + shift, picture_);
  } else if (!text().isEmpty()) {
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(area.translated(shift), Qt::AlignCenter, text());
  }
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = area.adjusted(4, 4, -4, -4);
    option.backgroundColor = faceColor_;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace cinta
