// SPDX-License-Identifier: MIT
#include "Form2/ShowViewer.h"

#include "Form2/Form2.h"

namespace cinta {

void ShowViewer(QWidget* mainWindow, const std::filesystem::path& programDir,
                std::optional<std::string> unsavedReport) {
  const QRect ownerRect = mainWindow != nullptr ? mainWindow->frameGeometry() : QRect();
  Form2 viewer(programDir, ownerRect, std::move(unsavedReport), &QDateTime::currentDateTime,
               mainWindow);
  viewer.exec();
}

}  // namespace cinta
