// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QRgb>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "assets/PictureCatalog.h"
#include "calc/Key.h"
#include "controls/Twips.h"

namespace cinta {

// How a key looks: a picture, or a bold Arial caption of `points`, on its colour; no colour is
// the system's button colour, and neither picture nor caption a face that start-up gives.
struct KeyFace {
  std::optional<QRgb> colour;
  std::optional<PictureId> picture;
  const char* caption = nullptr;
  double points = 0;
};

// The focus stops that are not keys, among the keys' tab places.
inline constexpr int kTapeTabPlace = 0;
inline constexpr int kRowEditorTabPlace = 1;
inline constexpr int kResultBoxTabPlace = 16;
inline constexpr int kPreviousResultsTabPlace = 22;
inline constexpr int kOperatorPaletteTabPlace = 41;

// A keyboard key no declaration names.
inline constexpr Qt::Key kNoNamedKey = Qt::Key_unknown;

// One key of the main window, declared once: the window builds, wires, names and orders every key
// from its declaration.
struct KeyDeclaration {
  Key key;
  // On the window's surface; the palette's keys on the operator palette.
  TwipsRect place;
  KeyFace face = {};
  // The keyboard: the characters that press the key, keys without a character, a shortcut.
  std::u16string_view typed = {};
  std::array<Qt::Key, 2> named = {kNoNamedKey, kNoNamedKey};
  QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
  // What a screen reader says.
  const char* spokenName = nullptr;
  const char* description = nullptr;
  // Its place among the window's focus stops.
  int tabPlace = 0;
  // The line of the configuration's tooltips that the key shows.
  std::optional<int> tooltipLine = std::nullopt;
};

// Every key, in the order of Key.
std::span<const KeyDeclaration, kKeyCount> KeyDeclarations();

inline const KeyDeclaration& DeclarationOf(Key key) {
  return KeyDeclarations()[static_cast<std::size_t>(key)];
}

}  // namespace cinta
