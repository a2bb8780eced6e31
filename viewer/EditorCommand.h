// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

namespace cinta {

enum class DesktopSystem { Windows, MacOs, Linux };

// The system this program was built for; other Unix desktops count as Linux (xdg-open).
DesktopSystem CurrentDesktopSystem();

// A program and its arguments, each argument passed as it stands: no shell ever parses them.
struct EditorCommand {
  QString program;
  QStringList arguments;
};

// What opens `file` in the system's text editor: notepad.exe on Windows, the text editor of
// `open -t` on macOS, the desktop's handler through xdg-open elsewhere. The path is one argument,
// so spaces and quotes in it are taken literally.
EditorCommand TextEditorCommand(DesktopSystem system, const std::filesystem::path& file);

// Starts a program without waiting for it; a program that cannot start is skipped silently.
using ProgramLauncher = std::function<void(const QString& program, const QStringList& arguments)>;

void StartDetached(const QString& program, const QStringList& arguments);

}  // namespace cinta
