// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

#include "controls/TwipsControl.h"
#include "controls/WindowlessContainer.h"

namespace cinta {

class RowEditor;

// A picture box that shows a windowless container: it paints the container's back colour and
// the controls that meet the pixels to repaint, finds the control under a click, sinks a button
// while it is held and reports the click to its layer, and opens a line editor over an entry
// field clicked into. Real child widgets added later lie above all of it.
class TapeViewport : public TwipsControl<QWidget>, private ContainerView {
 public:
  TapeViewport(QWidget* parent, WindowlessContainer& container);
  ~TapeViewport() override;

  void SetBackColor(const QColor& color);
  // The editor that stands in for an entry field while the user types; hidden otherwise.
  RowEditor& Editor() const { return *editor_; }
  // The entry field that the Tab key enters from the viewport, when it is shown and in view.
  void SetTabField(std::function<WindowlessContainer::Hit()> field) {
    tabField_ = std::move(field);
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void Repaint(const QRect& pixels) override;
  void ControlChanged(const WindowlessControl& control) override;
  void MembersRemoving(const WindowlessLayer& layer, int first) override;
  void ContainerMoved() override;

  const WindowlessControl* PressedMember() const;
  void SetPressedInside(bool inside);
  // Whether the pointer is over the pressed button where that button stands now: rows move
  // under a held button when keys add or remove rows.
  void TrackPressed();

  WindowlessContainer& container_;
  QColor backColor_ = Qt::white;
  RowEditor* editor_;
  // The button held down, and whether the pointer is still over it.
  std::optional<WindowlessContainer::Hit> pressed_;
  bool pressedInside_ = false;
  QPoint pointer_;
  std::function<WindowlessContainer::Hit()> tabField_;
};

}  // namespace cinta
