// SPDX-License-Identifier: MIT
#include "viewer/ShowViewer.h"

#include "viewer/ReportViewer.h"

namespace cinta {

void ShowViewer(QWidget* mainWindow, const std::filesystem::path& programDir,
                const std::string& report, const WriteResult& reportSaved,
                ReportViewer::Quit quit) {
  const QRect ownerRect = mainWindow != nullptr ? mainWindow->frameGeometry() : QRect();
  ReportViewer viewer(programDir, ownerRect, report, &QDateTime::currentDateTime, mainWindow,
                      reportSaved, std::move(quit));
  viewer.exec();
}

}  // namespace cinta
