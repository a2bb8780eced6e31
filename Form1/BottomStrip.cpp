// SPDX-License-Identifier: MIT
// The bottom strip: the two about lines and the small operator pictures that the row buttons show.
#include "Form1/Form1.h"
#include "Form1/LayoutHelpers.h"
#include "controls/ClientArea.h"

namespace cinta {
namespace {

using layout::Arial;

// Image1(code): Left in twips; all at Top 7800 and the size of their pictures.
constexpr int kImage1Lefts[] = {120,  600,  960,  1320, 1680, 2040,
                                2400, 2760, 3120, 3840, 4200, 3480};

Label* NewAboutLine(QWidget* parent, int top) {
  auto* line = new Label(parent);
  line->Move({240, top, 5175, 375});
  line->SetCaption(QStringLiteral("Label5"));
  line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  line->SetTransparent();
  line->SetForeColor(QColor(255, 255, 255));
  line->setFont(Arial(12, kBold));
  return line;
}

}  // namespace

void Form1::CreateBottomStrip() {
  QWidget* surface = clientArea_;
  Label5.Add(NewAboutLine(surface, 7440));
  Label5.Add(NewAboutLine(surface, 7800));
  for (int code = 0; code < kOperatorCount; ++code) {
    auto* image = new ImageControl(surface);
    image->SetPicture(Picture(OperatorSmallPicture(code)), kImage1Lefts[code], 7800);
    image->SetVisible(false);
    Image1.Add(image);
  }
}

}  // namespace cinta
