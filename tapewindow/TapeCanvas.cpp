// SPDX-License-Identifier: MIT
// The canvas the rows lie on inside tapeView, and the faces of their operator buttons.
#include <vector>

#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::CreateTape() {
  tapeView->MoveCanvas({0, kCanvasStartTop, 5655, 6375});
  tapeView->SetCanvasColor(QColor(255, 192, 255));
  // A row's operator button shows its operator as the legend pictures it.
  std::vector<QPixmap> faces;
  for (int code = 0; code < operatorLegend.Count(); ++code)
    faces.push_back(operatorLegend(code).Picture());
  tapeView->SetOperatorFaces(std::move(faces));
}

}  // namespace cinta
