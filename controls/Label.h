// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>

#include "controls/TwipsControl.h"

namespace cinta {

// A label drawn on its container's surface: a caption with an alignment, a text colour and
// either an opaque back colour or a transparent background. It takes no clicks of its own: the
// mouse passes through it to its container.
class Label : public TwipsControl<QLabel> {
 public:
  explicit Label(QWidget* parent = nullptr);

  QString Text() const { return text(); }
  void SetText(const QString& caption) { setText(caption); }
  void SetBackColor(const QColor& color);
  void SetTransparent();
  void SetForeColor(const QColor& color);
};

}  // namespace cinta
