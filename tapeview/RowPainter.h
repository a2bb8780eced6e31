// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <string>

class QPainter;

namespace cinta {

// How a row's parts look; `area` is the part's place in the painter's pixels.

// The fonts of a row's texts, as designed.
struct RowFonts {
  QFont entry;
  QFont value;
  QFont number;
};
RowFonts DesignedRowFonts();

// The operator button: a white face, a raised bevel that sinks while it is held, and the
// operator's picture centred.
void PaintOperatorButton(QPainter& painter, const QRect& area, const QPixmap& face, bool pressed);

// The entry field: a framed white box with the row's text, aligned right while it fits.
void PaintEntry(QPainter& painter, const QRect& area, const QFont& font, const std::string& text);
// The alignment of the entry field, which its line editor takes over with its font.
inline constexpr Qt::Alignment kEntryAlignment = Qt::AlignRight;
// The frame drawn around the field and the gap between the frame and the text, in pixels;
// the line editor that takes over while the user types matches them.
inline constexpr int kEntryBorderPixels = 1;
inline constexpr int kEntryTextMarginPixels = 2;

// The formatted value: blue figures on green, right-aligned.
void PaintValue(QPainter& painter, const QRect& area, const QFont& font, const std::string& text);

// The row's number, centred, drawn smaller where it does not fit whole.
void PaintNumber(QPainter& painter, const QRect& area, const QFont& font,
                 const std::string& number);
// The font `text` is drawn with in `area`: `font`, or a smaller size of it until it fits whole.
QFont FittingFont(const QFont& font, const QRect& area, const QString& text);

}  // namespace cinta
