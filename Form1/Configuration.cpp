// SPDX-License-Identifier: MIT
#include "config/Configuration.h"

#include "Form1/Form1.h"

namespace cinta {

void Form1::LoadConfiguration() {
  Configuration configuration = ReadConfiguration(programDir_);
  operatorNames = std::move(configuration.operatorNames);
  for (int code = 0; code < kOperatorCount; ++code) {
    Command3(code).setToolTip(
        QString::fromStdString(configuration.tooltips[static_cast<std::size_t>(code)]));
  }
  currencySymbol = std::move(configuration.currencySymbol);
  // The palette shows the same pictures as the images, shared rather than copied.
  for (int code = 0; code < kOperatorCount; ++code)
    Command14(code).SetPicture(Image1(code).Picture());
}

}  // namespace cinta
