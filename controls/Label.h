// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>

#include "controls/TwipsControl.h"

namespace cinta {

// A label drawn on its container's surface: a caption with an alignment, a text colour and
// either an opaque back colour or a transparent background. It never takes the mouse from the
// surface below it, so dragging the window over a label still works.
class Label : public TwipsControl<QLabel> {
 public:
  explicit Label(QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  void SetBackColor(const QColor& color);
  void SetTransparent();
  void SetForeColor(const QColor& color);
};

}  // namespace cinta
