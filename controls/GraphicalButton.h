// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

#include "controls/TwipsControl.h"

namespace cinta {

// A command button in graphical style: the face is filled with its face colour and either its
// picture or its caption is centred on it, inside a raised bevel that sinks while pressed.
class GraphicalButton : public TwipsControl<QAbstractButton> {
 public:
  explicit GraphicalButton(QWidget* parent = nullptr);
  // A button as a window's layout places it: its rectangle, face colour and picture, if any.
  GraphicalButton(QWidget* parent, const TwipsRect& place, const QColor& face,
                  const QPixmap& picture = {});

  void SetFaceColor(const QColor& color);
  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);
  QString Text() const { return text(); }
  void SetText(const QString& caption) { setText(caption); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor faceColor_;
  QPixmap picture_;
};

}  // namespace cinta
