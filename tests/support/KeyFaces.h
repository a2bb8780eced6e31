// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QWidget;

namespace cinta {

// Keys whose picture leaves some of the face showing around it, and those of them whose picture
// does not blend with that face: its edge drawn in another colour than the face shows.
struct PictureMargins {
  int checked = 0;
  QStringList seams;
};

// Paints every picture key under `surface` and compares each picture's corner with the face
// painted just outside it. Pictures with clear corners go on any face and are passed over.
PictureMargins CheckPictureMargins(QWidget* surface);

}  // namespace cinta
