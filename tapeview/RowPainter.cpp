// SPDX-License-Identifier: MIT
#include "tapeview/RowPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "controls/Bevel.h"
#include "controls/Fonts.h"

namespace cinta {

QFont FittingFont(const QFont& font, const QRect& area, const QString& text) {
  const int width = QFontMetrics(font).horizontalAdvance(text);
  if (width <= area.width()) return font;
  QFont smaller = font;
  // Rounded down, so that the text fits whole.
  smaller.setPixelSize(std::max(QFontInfo(font).pixelSize() * area.width() / width, 1));
  return smaller;
}

RowFonts DesignedRowFonts() {
  const QString arial = QStringLiteral("Arial");
  return {ControlFont(arial, 21.75, kBold), ControlFont(arial, 21.75),
          ControlFont(arial, 14.25, kBold)};
}

void PaintOperatorButton(QPainter& painter, const QRect& area, const QPixmap& face, bool pressed) {
  painter.fillRect(area, Qt::white);
  DrawBevel(painter, area, pressed);
  if (face.isNull()) return;
  // The face moves one pixel down and right while pressed, as on the window's own keys.
  const QSizeF size = face.deviceIndependentSize();
  const QPointF topLeft(area.left() + (area.width() - size.width()) / 2.0 + (pressed ? 1 : 0),
                        area.top() + (area.height() - size.height()) / 2.0 + (pressed ? 1 : 0));
  painter.drawPixmap(topLeft, face);
}

void PaintEntry(QPainter& painter, const QRect& area, const QFont& font, const std::string& text) {
  painter.fillRect(area, Qt::white);
  painter.setPen(QColor(128, 128, 128));
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  const int inset = kEntryBorderPixels + kEntryTextMarginPixels;
  const QRect inside = area.adjusted(inset, kEntryBorderPixels, -inset, -kEntryBorderPixels);
  const QString shown = QString::fromStdString(text);
  // Text wider than the field shows its beginning, as an edit box does until it is scrolled: a
  // number cut at its end still reads as about itself, one cut at its start as another number.
  const bool fits = QFontMetrics(font).horizontalAdvance(shown) <= inside.width();
  painter.setPen(Qt::black);
  painter.setFont(font);
  // A pasted text may hold line breaks; the field has one line, as its editor shows them.
  painter.drawText(inside,
                   static_cast<int>((fits ? kEntryAlignment : Qt::AlignLeft) | Qt::AlignVCenter |
                                    Qt::TextSingleLine),
                   shown);
}

void PaintValue(QPainter& painter, const QRect& area, const QFont& font, const std::string& text) {
  painter.fillRect(area, QColor(192, 255, 192));
  painter.setPen(QColor(0, 0, 192));
  painter.setFont(font);
  painter.drawText(area, static_cast<int>(Qt::AlignRight | Qt::TextWordWrap),
                   QString::fromStdString(text));
}

void PaintNumber(QPainter& painter, const QRect& area, const QFont& font,
                 const std::string& number) {
  const QString text = QString::fromStdString(number);
  painter.setPen(Qt::black);
  painter.setFont(FittingFont(font, area, text));
  painter.drawText(area, static_cast<int>(Qt::AlignHCenter | Qt::TextWordWrap), text);
}

}  // namespace cinta
