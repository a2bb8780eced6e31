// SPDX-License-Identifier: MIT
// The keypad: digits, operators, sign, decimal, equals and format keys in a grid of equal keys.
#include "controls/ClientArea.h"
#include "tapewindow/LayoutHelpers.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

using layout::NewCaptionButton;
using layout::NewPictureButton;

const QColor kWhite(255, 255, 255);
const QColor kDigitFace(192, 255, 192);
const QColor kFormatFace(255, 255, 192);

// The keypad is a grid of 975 x 975 keys.
constexpr int kKeySize = 975;
constexpr int kColumnLefts[] = {240, 1320, 2400, 3480, 4560};
constexpr int kRowTops[] = {960, 2040, 3120, 4200, 5280, 6360};

struct GridPlace {
  int column;
  int row;
};

TwipsRect KeyPlace(GridPlace place) {
  return {kColumnLefts[place.column], kRowTops[place.row], kKeySize, kKeySize};
}

// Indexed by the digit.
constexpr GridPlace kDigitPlaces[] = {{3, 3}, {2, 0}, {3, 0}, {4, 0}, {2, 1},
                                      {3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}};
// Indexed by the operator code.
constexpr GridPlace kOperatorPlaces[] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {0, 1}, {0, 0},
                                         {0, 2}, {0, 4}, {0, 3}, {1, 4}, {2, 4}, {3, 4}};

// Indexed by the format mode; key 1 shows a picture instead of a caption.
struct FormatKey {
  GridPlace place;
  const char* caption;
  double points;
};
constexpr FormatKey kFormatKeys[] = {{{4, 5}, ",00", 18},
                                     {{0, 5}, nullptr, 0},
                                     {{2, 5}, ",00$", 14.25},
                                     {{3, 5}, "Z", 24},
                                     {{1, 5}, "Z$", 18}};

}  // namespace

void TapeWindow::CreateKeypad() {
  QWidget* surface = clientArea_;
  for (int digit = 0; digit < kDigitCount; ++digit) {
    digitKeys.Add(
        NewPictureButton(surface, KeyPlace(kDigitPlaces[digit]), kDigitFace, DigitPicture(digit)));
  }
  for (int code = 0; code < kOperatorCount; ++code) {
    operatorKeys.Add(NewPictureButton(surface, KeyPlace(kOperatorPlaces[code]), kWhite,
                                      OperatorKeyPicture(code)));
  }
  signKey = NewCaptionButton(surface, KeyPlace({2, 3}), kWhite, QStringLiteral("+/-"), 24);
  decimalKey = NewCaptionButton(surface, KeyPlace({4, 3}), kWhite, QStringLiteral(","), 24);
  equalsKey = NewCaptionButton(surface, KeyPlace({4, 4}), kWhite, QStringLiteral("="), 24);
  for (const FormatKey& key : kFormatKeys) {
    formatKeys.Add(
        key.caption != nullptr
            ? NewCaptionButton(surface, KeyPlace(key.place), kFormatFace,
                               QString::fromUtf8(key.caption), key.points)
            : NewPictureButton(surface, KeyPlace(key.place), kFormatFace, PictureId::EditView));
  }
}

}  // namespace cinta
