// SPDX-License-Identifier: MIT
#include "Form2/ShowViewer.h"

#include "Form2/Form2.h"

namespace cinta {

void ShowViewer(QWidget* mainWindow, const std::filesystem::path& programDir,
                const std::string& report, const WriteResult& reportSaved, Form2::Quit quit) {
  const QRect ownerRect = mainWindow != nullptr ? mainWindow->frameGeometry() : QRect();
  Form2 viewer(programDir, ownerRect, report, &QDateTime::currentDateTime, mainWindow, reportSaved,
               std::move(quit));
  viewer.exec();
}

}  // namespace cinta
