// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QSizeF>

namespace cinta {

// A camera on a clear background: the save key sits on a white face here and a green one in
// the viewer.
void DrawCamera(QPainter& painter);

// The letters CE on a cyan tile.
void DrawClearEntry(QPainter& painter, QSizeF size);

// The letter C on a tile that runs from red to blue.
void DrawClear(QPainter& painter, QSizeF size);

// A curved arrow pointing back.
void DrawBackspace(QPainter& painter, QSizeF size);

// A white X on a red square with soft corners.
void DrawClose(QPainter& painter, QSizeF size);

}  // namespace cinta
