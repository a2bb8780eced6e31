// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <optional>
#include <vector>

#include "controls/Twips.h"

class QPainter;

namespace cinta {

class WindowlessControl;
class WindowlessLayer;

// What a container tells the widget that shows it.
class ContainerView {
 public:
  virtual ~ContainerView() = default;
  // Pixels of the view to paint again.
  virtual void Repaint(const QRect& pixels) = 0;
  // A control changed its place, its visibility or its contents.
  virtual void ControlChanged(const WindowlessControl& control) = 0;
  // Members of `layer` from `first` to the end are about to go.
  virtual void MembersRemoving(const WindowlessLayer& layer, int first) = 0;
  // The container moved or changed its size.
  virtual void ContainerMoved() = 0;
};

// A picture box without a window, holding windowless controls. Its place is in twips inside the
// view that shows it and may lie far outside it: a long tape is millions of twips tall. It
// paints its back colour and those of its controls that meet the pixels asked for.
class WindowlessContainer {
 public:
  int Left() const { return place_.left; }
  int Top() const { return place_.top; }
  int Height() const { return place_.height; }
  void Move(const TwipsRect& place);
  void SetLeft(int twips) { Move({twips, place_.top, place_.width, place_.height}); }
  void SetTop(int twips) { Move({place_.left, twips, place_.width, place_.height}); }
  void SetHeight(int twips) { Move({place_.left, place_.top, place_.width, twips}); }

  void SetBackColor(const QColor& color);

  // Layers are painted in the order they are added, later ones above earlier ones.
  void AddLayer(WindowlessLayer& layer);
  void SetView(ContainerView* view) { view_ = view; }

  // Where a control lies in the view, in pixels.
  QRect PixelRect(const WindowlessControl& control) const;
  QRect PixelRect() const { return place_.ToPixels(); }

  // Paints the part of the container inside `pixels` of the view; `pressed` is drawn held down.
  void Paint(QPainter& painter, const QRect& pixels, const WindowlessControl* pressed) const;

  // The topmost shown member under a point of the view that takes clicks.
  struct Hit {
    WindowlessLayer* layer;
    int index;
  };
  std::optional<Hit> MemberAt(const QPoint& pixel) const;

  // Called by the controls and layers inside.
  void ControlChanged(const WindowlessControl& control, const TwipsRect& previousPlace,
                      bool wasVisible) const;
  void MembersRemoving(const WindowlessLayer& layer, int first) const;

 private:
  // The rows of the container, in its own twips, that pixel rows [top, bottom) of the view show,
  // widened by a pixel for rounding.
  std::pair<int, int> Band(int pixelTop, int pixelBottom) const;

  TwipsRect place_;
  QColor backColor_ = Qt::white;
  std::vector<WindowlessLayer*> layers_;
  ContainerView* view_ = nullptr;
};

}  // namespace cinta
