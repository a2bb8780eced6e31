// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <optional>
#include <string>
#include <string_view>

#include "controls/WindowlessControl.h"

namespace cinta {

// A command button in graphical style without a window: its face colour filled, its picture
// centred, a raised bevel that sinks while the button is held.
class WindowlessButton : public WindowlessControl {
 public:
  WindowlessButton(const TwipsRect& place, const QColor& faceColor)
      : WindowlessControl(place), faceColor_(faceColor) {}

  // Pictures are shared between the controls that show them, never copied pixel by pixel.
  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);

  void Paint(QPainter& painter, const QRect& area, bool pressed) const override;
  bool TakesMouse() const override { return true; }

 private:
  QColor faceColor_;
  QPixmap picture_;
};

// A one-line entry field without a window. Its text is UTF-8: the core reads every row's text on
// every key press, and a conversion from a Qt string each time would dominate that.
class WindowlessTextBox : public WindowlessControl {
 public:
  WindowlessTextBox(const TwipsRect& place, const QFont& font, Qt::Alignment alignment)
      : WindowlessControl(place), font_(font), alignment_(alignment) {}

  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);
  const QFont& Font() const { return font_; }
  Qt::Alignment Alignment() const { return alignment_; }

  void Paint(QPainter& painter, const QRect& area, bool pressed) const override;
  bool TakesMouse() const override { return true; }

  // The frame drawn around the field and the gap between the frame and the text, in pixels;
  // the line editor that takes over while the user types matches them.
  static constexpr int kBorderPixels = 1;
  static constexpr int kTextMarginPixels = 2;

 private:
  QFont font_;
  Qt::Alignment alignment_;
  std::string text_;
};

// A label without a window: a caption drawn in its fore colour, over its back colour or over
// whatever lies below when it is transparent. It lets clicks through.
class WindowlessLabel : public WindowlessControl {
 public:
  WindowlessLabel(const TwipsRect& place, const QFont& font, Qt::Alignment alignment)
      : WindowlessControl(place), font_(font), alignment_(alignment) {}

  const std::string& Text() const { return text_; }
  void SetText(std::string_view caption);
  // No back colour means a transparent background.
  std::optional<QColor> BackColor() const { return backColor_; }
  void SetBackColor(const QColor& color);
  QColor ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& color);
  const QFont& Font() const { return font_; }
  Qt::Alignment Alignment() const { return alignment_; }
  // A caption wider than the label is drawn smaller until it fits, rather than cut.
  void SetShrinkToFit(bool shrink) { shrinkToFit_ = shrink; }
  // The font the caption is drawn with in `area`, the label's place in pixels.
  QFont ShownFont(const QRect& area) const;

  void Paint(QPainter& painter, const QRect& area, bool pressed) const override;
  bool TakesMouse() const override { return false; }

 private:
  QFont font_;
  Qt::Alignment alignment_;
  bool shrinkToFit_ = false;
  std::optional<QColor> backColor_;
  QColor foreColor_ = Qt::black;
  std::string text_;
};

}  // namespace cinta
