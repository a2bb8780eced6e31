// SPDX-License-Identifier: MIT
#include "assets/generator/Painters.h"

#include "assets/generator/Background.h"
#include "assets/generator/Digits.h"
#include "assets/generator/Icon.h"
#include "assets/generator/Operators.h"
#include "assets/generator/SideKeys.h"
#include "assets/generator/TopStrip.h"
#include "assets/generator/Viewer.h"

namespace cinta {

void DrawPicture(PictureId id, QPainter& painter, QSizeF size) {
  const int index = static_cast<int>(id);
  if (id <= PictureId::Digit9) {
    DrawDigitBadge(painter, size, index - static_cast<int>(PictureId::Digit0));
    return;
  }
  if (id <= PictureId::OperatorKeyFactorial) {
    DrawOperatorFace(painter, size, index - static_cast<int>(PictureId::OperatorKeyAdd),
                     OperatorFaceSize::Key);
    return;
  }
  if (id <= PictureId::OperatorSmallFactorial) {
    DrawOperatorFace(painter, size, index - static_cast<int>(PictureId::OperatorSmallAdd),
                     OperatorFaceSize::Small);
    return;
  }
  switch (id) {
    case PictureId::Camera:
      return DrawCamera(painter);
    case PictureId::ClearEntry:
      return DrawClearEntry(painter, size);
    case PictureId::Clear:
      return DrawClear(painter, size);
    case PictureId::Backspace:
      return DrawBackspace(painter, size);
    case PictureId::Close:
      return DrawClose(painter, size);
    case PictureId::EditView:
      return DrawColumnSum(painter, size);
    case PictureId::Eraser:
      return DrawEraser(painter, size);
    case PictureId::ScrollUp:
      return DrawScrollBar(painter, size, true);
    case PictureId::ScrollDown:
      return DrawScrollBar(painter, size, false);
    case PictureId::About:
      return DrawAbout(painter, size);
    case PictureId::Background:
      return DrawBackground(painter, size);
    case PictureId::Icon:
      return DrawIcon(painter);
    case PictureId::Printer:
      return DrawPrinter(painter, size);
    case PictureId::Notepad:
      return DrawNotepad(painter, size);
    case PictureId::FontSize:
      return DrawFontSize(painter, size);
    case PictureId::Clipboard:
      return DrawClipboard(painter, size);
    default:
      return;  // the digit and operator groups are handled above
  }
}

}  // namespace cinta
