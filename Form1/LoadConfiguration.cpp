// SPDX-License-Identifier: MIT
// LoadConfiguration: the configuration files' texts given to their controls.
#include <QTextDocument>

#include "Form1/Form1.h"
#include "config/Configuration.h"

namespace cinta {
namespace {

// The file holds plain text, but Qt would show a line that looks like markup as rich text.
QString PlainTooltip(const std::string& line) {
  const QString text = QString::fromStdString(line);
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

}  // namespace

void Form1::LoadConfiguration() {
  Configuration configuration = ReadConfiguration(programDir_);
  operatorNames = std::move(configuration.operatorNames);
  for (int code = 0; code < kOperatorCount; ++code) {
    Command3(code).setToolTip(PlainTooltip(configuration.tooltips[static_cast<std::size_t>(code)]));
  }
  currencySymbol = std::move(configuration.currencySymbol);
  // The palette shows the same pictures as the images, shared rather than copied.
  for (int code = 0; code < kOperatorCount; ++code)
    Command14(code).SetPicture(Image1(code).Picture());
}

}  // namespace cinta
