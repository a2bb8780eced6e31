// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>

namespace cinta {

// Shows the viewer modally over `mainWindow`, covering it exactly, and returns once the viewer's
// event loop ends (without a main window it opens at its designed size). `unsavedReport` (UTF-8) is
// the report the save key could not write, shown instead of operacion.txt; nullopt when the log was
// written.
void ShowViewer(QWidget* mainWindow, const std::filesystem::path& programDir,
                std::optional<std::string> unsavedReport);

}  // namespace cinta
