// SPDX-License-Identifier: MIT
// LoadConfiguration: the configuration files' texts given to their controls.
#include <QTextDocument>

#include "config/Configuration.h"
#include "tapewindow/KeyTable.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

// The file holds plain text, but Qt would show a line that looks like markup as rich text.
QString PlainTooltip(const std::string& line) {
  const QString text = QString::fromStdString(line);
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

}  // namespace

void TapeWindow::LoadConfiguration() {
  Configuration configuration = ReadConfiguration(programDir_);
  operatorNames = std::move(configuration.operatorNames);
  for (const KeyDeclaration& key : KeyDeclarations()) {
    if (key.tooltipLine) {
      KeyButton(key.key)->setToolTip(
          PlainTooltip(configuration.tooltips[static_cast<std::size_t>(*key.tooltipLine)]));
    }
  }
  session_.SetCurrencySymbol(std::move(configuration.currencySymbol));
  // The palette shows the same pictures as the images, shared rather than copied.
  for (int code = 0; code < kOperatorCount; ++code)
    paletteKeys(code).SetPicture(operatorLegend(code).Picture());
}

}  // namespace cinta
