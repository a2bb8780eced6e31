// SPDX-License-Identifier: MIT
// The top strip: the save, clear, clear entry, backspace and close keys above the keypad.
#include "controls/ClientArea.h"
#include "tapewindow/LayoutHelpers.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

using layout::NewPictureButton;

const QColor kWhite(255, 255, 255);

// The top strip: every key at Top 120, Height 735.
TwipsRect StripPlace(int left, int width) {
  return {left, 120, width, 735};
}

}  // namespace

void TapeWindow::CreateTopStrip() {
  QWidget* surface = clientArea_;
  saveKey = NewPictureButton(surface, StripPlace(240, 1935), kWhite, PictureId::Camera);
  GraphicalButton* clearEntry = NewPictureButton(surface, StripPlace(2280, 735),
                                                 QColor(255, 128, 128), PictureId::ClearEntry);
  GraphicalButton* clear =
      NewPictureButton(surface, StripPlace(3120, 735), QColor(255, 0, 0), PictureId::Clear);
  clearKeys.Add(clear);
  clearKeys.Add(clearEntry);
  backspaceKey =
      NewPictureButton(surface, StripPlace(3960, 735), QColor(255, 128, 128), PictureId::Backspace);
  quitKey = NewPictureButton(surface, StripPlace(4800, 735), kWhite, PictureId::Close);
}

}  // namespace cinta
