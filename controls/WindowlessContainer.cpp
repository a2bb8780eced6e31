// SPDX-License-Identifier: MIT
#include "controls/WindowlessContainer.h"

#include <QPainter>
#include <ranges>

#include "controls/WindowlessArray.h"
#include "controls/WindowlessControl.h"

namespace cinta {

void WindowlessContainer::Move(const TwipsRect& place) {
  const TwipsRect before = place_;
  if (place.left == before.left && place.top == before.top && place.width == before.width &&
      place.height == before.height)
    return;
  place_ = place;
  if (view_ == nullptr) return;
  const QRect was = before.ToPixels();
  const QRect now = place_.ToPixels();
  if (place.left == before.left && place.top == before.top && place.width == before.width) {
    // Only the height changed: just the strip between the two bottom edges looks different.
    view_->Repaint(QRect(QPoint(now.left(), std::min(was.bottom(), now.bottom())),
                         QPoint(now.right(), std::max(was.bottom(), now.bottom()))));
  } else {
    view_->Repaint(was | now);
  }
  view_->ContainerMoved();
}

void WindowlessContainer::SetBackColor(const QColor& color) {
  backColor_ = color;
  if (view_ != nullptr) view_->Repaint(PixelRect());
}

void WindowlessContainer::AddLayer(WindowlessLayer& layer) {
  layer.container_ = this;
  layers_.push_back(&layer);
}

QRect WindowlessContainer::PixelRect(const WindowlessControl& control) const {
  return TwipsRect{place_.left + control.Left(), place_.top + control.Top(), control.Width(),
                   control.Height()}
      .ToPixels();
}

std::pair<int, int> WindowlessContainer::Band(int pixelTop, int pixelBottom) const {
  return {PixelsToTwips(pixelTop - 1) - place_.top, PixelsToTwips(pixelBottom + 1) - place_.top};
}

void WindowlessContainer::Paint(QPainter& painter, const QRect& pixels,
                                const WindowlessControl* pressed) const {
  const QRect visible = PixelRect() & pixels;
  if (visible.isEmpty()) return;
  painter.fillRect(visible, backColor_);
  painter.save();
  // A picture box clips its controls to itself.
  painter.setClipRect(visible);
  const auto [top, bottom] = Band(visible.top(), visible.bottom() + 1);
  for (const WindowlessLayer* layer : layers_) {
    const auto [first, last] = layer->MembersBetween(top, bottom);
    for (int index = first; index < last; ++index) {
      const WindowlessControl& member = layer->Member(index);
      if (!member.Visible()) continue;
      const QRect area = PixelRect(member);
      if (area.intersects(visible)) member.Paint(painter, area, &member == pressed);
    }
  }
  painter.restore();
}

std::optional<WindowlessContainer::Hit> WindowlessContainer::MemberAt(const QPoint& pixel) const {
  if (!PixelRect().contains(pixel)) return std::nullopt;
  const auto [top, bottom] = Band(pixel.y(), pixel.y() + 1);
  for (WindowlessLayer* layer : std::views::reverse(layers_)) {
    const auto [first, last] = layer->MembersBetween(top, bottom);
    for (int index = last - 1; index >= first; --index) {
      const WindowlessControl& member = layer->Member(index);
      if (member.Visible() && member.TakesMouse() && PixelRect(member).contains(pixel))
        return Hit{layer, index};
    }
  }
  return std::nullopt;
}

void WindowlessContainer::ControlChanged(const WindowlessControl& control,
                                         const TwipsRect& previousPlace, bool wasVisible) const {
  if (view_ == nullptr) return;
  if (wasVisible) {
    view_->Repaint(TwipsRect{place_.left + previousPlace.left, place_.top + previousPlace.top,
                             previousPlace.width, previousPlace.height}
                       .ToPixels());
  }
  if (control.Visible()) view_->Repaint(PixelRect(control));
  view_->ControlChanged(control);
}

void WindowlessContainer::MembersRemoving(const WindowlessLayer& layer, int first) const {
  if (view_ == nullptr) return;
  view_->MembersRemoving(layer, first);
  // Members lie top to bottom, so the first and the last removed one span all the others.
  view_->Repaint(PixelRect(layer.Member(first)) | PixelRect(layer.Member(layer.Count() - 1)));
}

void WindowlessLayer::Removing(int first) const {
  if (container_ != nullptr) container_->MembersRemoving(*this, first);
}

std::pair<int, int> WindowlessLayer::MembersBetween(int top, int bottom) const {
  // The first member whose bottom edge lies below `top`...
  int low = 0;
  int high = Count();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    const WindowlessControl& member = Member(middle);
    if (member.Top() + member.Height() <= top) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  const int first = low;
  // ...and the first one from there whose top edge lies at or below `bottom`.
  high = Count();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (Member(middle).Top() < bottom) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return {first, low};
}

}  // namespace cinta
