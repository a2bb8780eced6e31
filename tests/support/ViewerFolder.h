// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

#include "viewer/ReportViewer.h"

namespace cinta {

// A temporary program folder for the viewer, with an empty operaciones/. Tests put in it the
// files they need.
class ViewerFolder {
 public:
  ViewerFolder();

  std::filesystem::path Path() const;
  // `relative` under the program folder, e.g. "operacion.txt" or "operaciones/2011-12-6--9-5".
  QString FilePath(const QString& relative) const;
  void Write(const QString& relative, const QByteArray& bytes) const;
  // The bytes of a file, or a null QByteArray when it cannot be read.
  QByteArray Read(const QString& relative) const;
  // The names in operaciones/, hidden ones included, sorted.
  QStringList SavedNames() const;

 private:
  QTemporaryDir folder_;
};

// A viewer over `folder` showing `report`, opened at its own size, shown and exposed.
std::unique_ptr<ReportViewer> OpenViewer(const std::filesystem::path& programDir,
                                         const std::string& report = {},
                                         ReportViewer::Clock clock = &QDateTime::currentDateTime);

// The names listed in the saved copies list, in order.
QStringList ListedNames(const ReportViewer& viewer);

// Selects the listed `name` with a mouse click, as the user would; false when it is not listed.
[[nodiscard]] bool ClickListed(ReportViewer& viewer, const QString& name);

}  // namespace cinta
