// SPDX-License-Identifier: MIT
#include "controls/WindowlessControls.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "controls/Bevel.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"

namespace cinta {

void WindowlessControl::SetLeft(int twips) {
  if (twips == place_.left) return;
  const TwipsRect before = place_;
  place_.left = twips;
  Changed(before, visible_);
}

void WindowlessControl::SetWidth(int twips) {
  if (twips == place_.width) return;
  const TwipsRect before = place_;
  place_.width = twips;
  Changed(before, visible_);
}

void WindowlessControl::SetTop(int twips) {
  if (twips == place_.top) return;
  const TwipsRect before = place_;
  place_.top = twips;
  Changed(before, visible_);
}

void WindowlessControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(place_, !visible);
}

void WindowlessControl::Changed(const TwipsRect& previousPlace, bool wasVisible) const {
  if (layer_ == nullptr) return;
  if (const WindowlessContainer* container = layer_->Container()) {
    container->ControlChanged(*this, previousPlace, wasVisible);
  }
}

void WindowlessButton::SetPicture(const QPixmap& picture) {
  // A row shown again keeps its operator's face most of the time: no repaint for that.
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  Changed();
}

void WindowlessButton::Paint(QPainter& painter, const QRect& area, bool pressed) const {
  painter.fillRect(area, faceColor_);
  DrawBevel(painter, area, pressed);
  if (picture_.isNull()) return;
  // The face moves one pixel down and right while pressed, as on the window's own keys.
  const QSizeF size = picture_.deviceIndependentSize();
  const QPointF topLeft(area.left() + (area.width() - size.width()) / 2.0 + (pressed ? 1 : 0),
                        area.top() + (area.height() - size.height()) / 2.0 + (pressed ? 1 : 0));
  painter.drawPixmap(topLeft, picture_);
}

void WindowlessTextBox::SetText(std::string_view text) {
  // The core rewrites unary rows with the same text on every evaluation: no repaint for those.
  if (text == text_) return;
  text_.assign(text);
  Changed();
}

void WindowlessTextBox::Paint(QPainter& painter, const QRect& area, bool) const {
  painter.fillRect(area, Qt::white);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  const int inset = kBorderPixels + kTextMarginPixels;
  const QRect inside = area.adjusted(inset, kBorderPixels, -inset, -kBorderPixels);
  const QString text = QString::fromStdString(text_);
  // Text wider than the field shows its beginning, as an edit box does until it is scrolled: a
  // number cut at its end still reads as about itself, one cut at its start as another number.
  const bool fits = QFontMetrics(font_).horizontalAdvance(text) <= inside.width();
  painter.setPen(Qt::black);
  painter.setFont(font_);
  // A pasted text may hold line breaks; the field has one line, as its editor shows them.
  painter.drawText(
      inside,
      static_cast<int>((fits ? alignment_ : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine),
      text);
}

void WindowlessLabel::SetText(std::string_view caption) {
  if (caption == text_) return;
  text_.assign(caption);
  Changed();
}

void WindowlessLabel::SetBackColor(const QColor& color) {
  backColor_ = color;
  Changed();
}

void WindowlessLabel::SetForeColor(const QColor& color) {
  foreColor_ = color;
  Changed();
}

QFont WindowlessLabel::ShownFont(const QRect& area) const {
  if (!shrinkToFit_) return font_;
  const int width = QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text_));
  if (width <= area.width()) return font_;
  QFont smaller = font_;
  // Rounded down, so that the caption fits whole.
  const int pixels = QFontInfo(font_).pixelSize() * area.width() / width;
  smaller.setPixelSize(std::max(pixels, 1));
  return smaller;
}

void WindowlessLabel::Paint(QPainter& painter, const QRect& area, bool) const {
  if (backColor_) painter.fillRect(area, *backColor_);
  painter.setPen(foreColor_);
  painter.setFont(ShownFont(area));
  painter.drawText(area, static_cast<int>(alignment_ | Qt::TextWordWrap),
                   QString::fromStdString(text_));
}

}  // namespace cinta
