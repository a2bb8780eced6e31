// SPDX-License-Identifier: MIT
// The keys, built from their declarations, and the one way a press of any of them reaches its
// handler.
#include <cstdlib>

#include "assets/Pictures.h"
#include "controls/ClientArea.h"
#include "tapewindow/KeyTable.h"
#include "tapewindow/LayoutHelpers.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::CreateKeys() {
  for (const KeyDeclaration& declaration : KeyDeclarations()) {
    if (!PaletteOperatorOf(declaration.key)) AdoptKey(declaration, clientArea_);
  }
}

void TapeWindow::AdoptKey(const KeyDeclaration& declaration, QWidget* parent) {
  const KeyFace& face = declaration.face;
  const QColor colour =
      face.colour ? QColor::fromRgb(*face.colour) : palette().color(QPalette::Button);
  auto* button =
      face.picture ? new GraphicalButton(parent, declaration.place, colour, Picture(*face.picture))
                   : new GraphicalButton(parent, declaration.place, colour);
  if (face.caption != nullptr) {
    // Every caption key of the window has a bold face.
    button->SetText(QString::fromUtf8(face.caption));
    button->setFont(layout::Arial(face.points, kBold));
  }
  const Key key = declaration.key;
  keyButtons_[static_cast<std::size_t>(key)] = button;
  if (DigitOf(key)) {
    digitKeys.Add(button);
  } else if (OperatorOf(key)) {
    operatorKeys.Add(button);
  } else if (FormatModeOf(key)) {
    formatKeys.Add(button);
  } else if (PaletteOperatorOf(key)) {
    paletteKeys.Add(button);
  } else {
    KeyMember(key) = button;
  }
}

GraphicalButton*& TapeWindow::KeyMember(Key key) {
  switch (key) {
    case Key::Decimal:
      return decimalKey;
    case Key::Equals:
      return equalsKey;
    case Key::Backspace:
      return backspaceKey;
    case Key::Sign:
      return signKey;
    case Key::Clear:
      return clearKey;
    case Key::ClearEntry:
      return clearEntryKey;
    case Key::ScrollUp:
      return scrollUpKey;
    case Key::ScrollDown:
      return scrollDownKey;
    case Key::Save:
      return saveKey;
    case Key::ClearResults:
      return clearResultsKey;
    case Key::Quit:
      return quitKey;
    default:
      // The families' keys live in their arrays.
      std::abort();
  }
}

QAbstractButton* TapeWindow::KeyButton(Key key) const {
  return keyButtons_[static_cast<std::size_t>(key)];
}

void TapeWindow::Press(Key key) {
  if (const auto digit = DigitOf(key)) return PressDigit(*digit);
  if (const auto code = OperatorOf(key)) return PressOperator(*code);
  if (const auto mode = FormatModeOf(key)) return PressFormat(*mode);
  if (const auto code = PaletteOperatorOf(key)) return PickFromPalette(*code);
  switch (key) {
    case Key::Decimal:
      return PressDecimal();
    case Key::Equals:
      return PressEquals();
    case Key::Backspace:
      return PressBackspace();
    case Key::Sign:
      return PressSign();
    case Key::Clear:
      return PressClear();
    case Key::ClearEntry:
      return PressClearEntry();
    case Key::ScrollUp:
      return PressScrollUp();
    case Key::ScrollDown:
      return PressScrollDown();
    case Key::Save:
      return PressSave();
    case Key::ClearResults:
      return PressClearResults();
    case Key::Quit:
      return PressQuit();
    default:
      // The families, pressed above.
      return;
  }
}

}  // namespace cinta
