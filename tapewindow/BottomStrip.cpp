// SPDX-License-Identifier: MIT
// The bottom strip: the two about lines, the small operator pictures that the row buttons show,
// and the sign of a tape that the recovery file does not protect.
#include "assets/Pictures.h"
#include "controls/ClientArea.h"
#include "tapewindow/LayoutHelpers.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

using layout::Arial;

// operatorLegend(code): Left in twips; all at Top 7800 and the size of their pictures.
constexpr int kOperatorLegendLefts[] = {120,  600,  960,  1320, 1680, 2040,
                                        2400, 2760, 3120, 3840, 4200, 3480};

Label* NewAboutLine(QWidget* parent, int top) {
  auto* line = new Label(parent);
  line->Move({240, top, 5175, 375});
  line->SetText(QStringLiteral("aboutLines"));
  line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  line->SetTransparent();
  line->SetForeColor(QColor(255, 255, 255));
  line->setFont(Arial(12, kBold));
  return line;
}

// Below the keypad's left edge, clear of the shorter second about line; its tooltip says more.
constexpr TwipsRect kUnprotectedSignPlace = {240, 7800, 1335, 300};

QString UnprotectedExplanation(const std::filesystem::path& recoveryFile) {
  if (recoveryFile.empty()) {
    return QStringLiteral(
        "La cinta no está protegida: hay demasiadas calculadoras abiertas en esta carpeta");
  }
  return QStringLiteral("La cinta no está protegida: no se puede escribir ") +
         QString::fromStdU16String(recoveryFile.filename().u16string());
}

}  // namespace

void TapeWindow::CreateBottomStrip() {
  QWidget* surface = clientArea_;
  aboutLines.Add(NewAboutLine(surface, 7440));
  aboutLines.Add(NewAboutLine(surface, 7800));
  for (int code = 0; code < kOperatorCount; ++code) {
    auto* image = new ImageControl(surface);
    image->SetPicture(Picture(OperatorSmallPicture(code)), kOperatorLegendLefts[code], 7800);
    image->SetVisible(false);
    operatorLegend.Add(image);
  }
  unprotectedSign = new Label(surface);
  unprotectedSign->Move(kUnprotectedSignPlace);
  unprotectedSign->SetText(QStringLiteral("⚠ Sin proteger"));
  unprotectedSign->setAlignment(Qt::AlignCenter);
  unprotectedSign->SetBackColor(QColor(255, 255, 192));
  unprotectedSign->SetForeColor(QColor(160, 0, 0));
  unprotectedSign->setFont(Arial(8, kBold));
  // Unlike the other labels it takes the mouse, so that its tooltip shows.
  unprotectedSign->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  unprotectedSign->setToolTip(UnprotectedExplanation(recoveryFile_));
  unprotectedSign->setAccessibleName(unprotectedSign->toolTip());
  unprotectedSign->SetVisible(false);
}

}  // namespace cinta
