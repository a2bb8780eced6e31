// SPDX-License-Identifier: MIT
// The line above the text that says why the report or a copy could not be written.
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

// What the user can do about it differs: free some room, or save where they may write.
QString Reason(WriteError error) {
  switch (error) {
    case WriteError::DiskFull:
      return QStringLiteral(": el disco está lleno.");
    case WriteError::NoPermission:
      return QStringLiteral(": no hay permiso para escribir.");
    case WriteError::Other:
      break;
  }
  return QStringLiteral(".");
}

}  // namespace

void ReportViewer::ShowWriteResult(const QString& what, const WriteResult& result) {
  if (const std::optional<WriteError> error = result.Error()) {
    writeFailure->SetText(QStringLiteral("No se pudo guardar ") + what + Reason(*error));
  }
  writeFailure->SetVisible(!result);
}

}  // namespace cinta
