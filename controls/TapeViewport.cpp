// SPDX-License-Identifier: MIT
#include "controls/TapeViewport.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/RowEditor.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessControls.h"

namespace cinta {

TapeViewport::TapeViewport(QWidget* parent, WindowlessContainer& container)
    : TwipsControl<QWidget>(parent),
      container_(container),
      editor_(new RowEditor(this, container)) {
  container_.SetView(this);
}

TapeViewport::~TapeViewport() {
  container_.SetView(nullptr);
}

void TapeViewport::SetBackColor(const QColor& color) {
  backColor_ = color;
  update();
}

void TapeViewport::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), backColor_);
  container_.Paint(painter, event->rect(), PressedMember());
}

void TapeViewport::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const auto hit = event->button() == Qt::LeftButton ? container_.MemberAt(point) : std::nullopt;
  if (!hit) {
    QWidget::mousePressEvent(event);
    return;
  }
  WindowlessControl& member = hit->layer->Member(hit->index);
  if (auto* field = dynamic_cast<WindowlessTextBox*>(&member)) {
    editor_->Open(*hit->layer, hit->index, *field, point);
    return;
  }
  pressed_ = hit;
  pointer_ = point;
  SetPressedInside(true);
}

void TapeViewport::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  pointer_ = event->position().toPoint();
  TrackPressed();
}

void TapeViewport::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  pointer_ = event->position().toPoint();
  TrackPressed();
  const WindowlessContainer::Hit released = *pressed_;
  const bool clicked = pressedInside_;
  SetPressedInside(false);
  pressed_.reset();
  // A button released away from itself is no click, as with any push button.
  if (clicked) released.layer->Click(released.index);
}

bool TapeViewport::focusNextPrevChild(bool next) {
  if (next && hasFocus() && tabField_) {
    const WindowlessContainer::Hit hit = tabField_();
    auto* field = dynamic_cast<WindowlessTextBox*>(&hit.layer->Member(hit.index));
    if (field != nullptr && field->Visible() && container_.PixelRect(*field).intersects(rect())) {
      editor_->OpenByTab(*hit.layer, hit.index, *field);
      return true;
    }
  }
  return TwipsControl<QWidget>::focusNextPrevChild(next);
}

const WindowlessControl* TapeViewport::PressedMember() const {
  if (!pressed_ || !pressedInside_) return nullptr;
  return &pressed_->layer->Member(pressed_->index);
}

void TapeViewport::SetPressedInside(bool inside) {
  if (inside == pressedInside_) return;
  pressedInside_ = inside;
  Repaint(container_.PixelRect(pressed_->layer->Member(pressed_->index)));
}

void TapeViewport::TrackPressed() {
  if (!pressed_) return;
  const WindowlessControl& member = pressed_->layer->Member(pressed_->index);
  SetPressedInside(member.Visible() && container_.PixelRect(member).contains(pointer_));
}

void TapeViewport::Repaint(const QRect& pixels) {
  const QRect area = pixels & rect();
  if (!area.isEmpty()) update(area);
}

void TapeViewport::ControlChanged(const WindowlessControl& control) {
  editor_->ControlChanged(control);
}

void TapeViewport::MembersRemoving(const WindowlessLayer& layer, int first) {
  if (pressed_ && pressed_->layer == &layer && pressed_->index >= first) {
    pressed_.reset();
    pressedInside_ = false;
  }
  editor_->MembersRemoving(layer, first);
}

void TapeViewport::ContainerMoved() {
  TrackPressed();
  editor_->ContainerMoved();
}

}  // namespace cinta
