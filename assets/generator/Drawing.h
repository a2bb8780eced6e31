// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace cinta {

// Face colours of the buttons the pictures sit on. Opaque pictures fill their margins with the
// face colour so that picture and button read as one key.
inline const QColor kDigitFace(192, 255, 192);
inline const QColor kPinkFace(255, 128, 128);
inline const QColor kRedFace(255, 0, 0);
inline const QColor kWhiteFace(255, 255, 255);
inline const QColor kFormatFace(255, 255, 192);
inline const QColor kPrintFace(192, 255, 255);
inline const QColor kEditorFace(255, 192, 255);
inline const QColor kClipboardFace(255, 224, 192);

// The outline of text in bold sans-serif whose capital letters are capHeight tall, set on a
// baseline at the origin. Outlines ignore the device's DPI and hinting, so they scale exactly.
QPainterPath TextPath(const QString& text, qreal capHeight);

// path moved so that its bounding box is centred on centre.
QPainterPath CentredOn(const QPainterPath& path, QPointF centre);

// The filled outline of a stroke along path, so that strokes and glyphs fill alike.
QPainterPath StrokeOutline(const QPainterPath& path, qreal width, Qt::PenCapStyle cap,
                           Qt::PenJoinStyle join);

// A soft shadow under shape: several widening, faint copies, dark in the middle.
void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, qreal spread,
                    int alpha);

// A glass highlight across the upper part of shape: white fading downwards.
void DrawGloss(QPainter& painter, const QRectF& shape, qreal cornerRadius, int alpha);

}  // namespace cinta
