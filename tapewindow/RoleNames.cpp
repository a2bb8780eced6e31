// SPDX-License-Identifier: MIT
#include "controls/RoleNames.h"

#include "tapewindow/TapeWindow.h"

namespace cinta {

void TapeWindow::NameControlsByRole() {
  NameByRole(digitKeys, "digitKeys");
  NameByRole(operatorKeys, "operatorKeys");
  NameByRole(formatKeys, "formatKeys");
  NameByRole(paletteKeys, "paletteKeys");
  NameByRole(aboutLines, "aboutLines");
  NameByRole(operatorLegend, "operatorLegend");
  NameByRole(saveKey, "saveKey");
  NameByRole(clearKey, "clearKey");
  NameByRole(clearEntryKey, "clearEntryKey");
  NameByRole(scrollUpKey, "scrollUpKey");
  NameByRole(scrollDownKey, "scrollDownKey");
  NameByRole(backspaceKey, "backspaceKey");
  NameByRole(quitKey, "quitKey");
  NameByRole(signKey, "signKey");
  NameByRole(decimalKey, "decimalKey");
  NameByRole(equalsKey, "equalsKey");
  NameByRole(previousResults, "previousResults");
  NameByRole(clearResultsKey, "clearResultsKey");
  NameByRole(tapeView, "tapeView");
  NameByRole(resultRule, "resultRule");
  NameByRole(resultBox, "resultBox");
  NameByRole(formattedResult, "formattedResult");
  NameByRole(aboutImage, "aboutImage");
  NameByRole(operatorPalette, "operatorPalette");
  NameByRole(unprotectedSign, "unprotectedSign");
}

}  // namespace cinta
