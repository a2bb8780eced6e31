// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "support/ProgramFolder.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

class ReportViewer;

// A main window over `folder` with an empty tape, shown, active and exposed, as a user meets it.
std::unique_ptr<TapeWindow> OpenWindow(const ProgramFolder& folder);

// Clicks the keys named by `keys` (support/KeyAlphabet.h) with the mouse.
void PressKeys(TapeWindow& window, std::string_view keys);

// Picks the previous result at `index` as the user does, with the keyboard on the open list.
void Pick(TapeWindow& window, int index);

// The centre of a part of a row in the tape viewport, where a click on it lands.
QPoint CentreInViewport(const TapeWindow& window, int row, RowPart part);

// Where the last row's entry field stands in the tape's view, in pixels.
QRect LastRowPlace(const TapeWindow& window);

// The texts of rows 0 to lastRow, joined by "|", as the entry fields hold them.
std::string RowTexts(const TapeWindow& window);

// Everything that the recovery file keeps, as the window shows it: each row's texts, operator and
// the parts the view shows of it (the face of its button too), the result box and the formatted
// result, evaluatedRows and the format mode, and the list of previous results. One line per row,
// one for the rest of the tape, then one for the list.
QString TapeContents(const TapeWindow& window);
// Where the rows stand in the viewport, on a line before those: everything that undo restores.
QString TapeSnapshot(const TapeWindow& window);

// What the modal viewer showed when it opened, and where.
struct ViewerSeen {
  bool opened = false;
  QString text;
  QRect geometry;
};

// Clicks the save key and closes the viewer it opens as soon as it is up, after running `act` on
// it when given.
ViewerSeen SaveAndCloseViewer(TapeWindow& window,
                              const std::function<void(ReportViewer&)>& act = {});

}  // namespace cinta
