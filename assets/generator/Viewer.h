// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// A printer with a printed sheet coming out.
void DrawPrinter(QPainter& painter, QSizeF size);

// A ruled notepad with a pencil.
void DrawNotepad(QPainter& painter, QSizeF size);

// The digits 3 3 3 in growing sizes.
void DrawFontSize(QPainter& painter, QSizeF size);

// A clipboard holding a written sheet.
void DrawClipboard(QPainter& painter, QSizeF size);

// A pencil from its tip to its end (the eraser), width thick.
void DrawPencil(QPainter& painter, QPointF tip, QPointF end, qreal width);

}  // namespace cinta
