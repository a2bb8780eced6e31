// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

#include "textfile/WriteResult.h"
#include "viewer/ReportViewer.h"

namespace cinta {

// Shows the viewer modally over `mainWindow`, covering it exactly, and returns once the viewer's
// event loop ends (without a main window it opens at its designed size). `report` (UTF-8) is the
// report the save key has just built, shown as it stands, and `reportSaved` whether it could be
// written; the viewer's close key calls `quit`.
void ShowViewer(QWidget* mainWindow, const std::filesystem::path& programDir,
                const std::string& report, const WriteResult& reportSaved, ReportViewer::Quit quit);

}  // namespace cinta
