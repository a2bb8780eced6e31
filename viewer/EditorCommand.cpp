// SPDX-License-Identifier: MIT
#include "viewer/EditorCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace cinta {

DesktopSystem CurrentDesktopSystem() {
#if defined(Q_OS_WIN)
  return DesktopSystem::Windows;
#elif defined(Q_OS_MACOS)
  return DesktopSystem::MacOs;
#else
  return DesktopSystem::Linux;
#endif
}

EditorCommand TextEditorCommand(DesktopSystem system, const std::filesystem::path& file) {
  const QString path = QDir::toNativeSeparators(QFileInfo(file).filePath());
  switch (system) {
    case DesktopSystem::Windows:
      return {QStringLiteral("notepad.exe"), {path}};
    case DesktopSystem::MacOs:
      return {QStringLiteral("open"), {QStringLiteral("-t"), path}};
    case DesktopSystem::Linux:
      break;
  }
  return {QStringLiteral("xdg-open"), {path}};
}

void StartDetached(const QString& program, const QStringList& arguments) {
  QProcess::startDetached(program, arguments);
}

}  // namespace cinta
