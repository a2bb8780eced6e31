// SPDX-License-Identifier: MIT
#include "support/ViewerFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace cinta {

ViewerFolder::ViewerFolder() {
  if (!folder_.isValid() || !QDir(folder_.path()).mkdir(QStringLiteral("operaciones")))
    qFatal("cannot make the test program folder");
}

std::filesystem::path ViewerFolder::Path() const {
  return QDir(folder_.path()).filesystemPath();
}

QString ViewerFolder::FilePath(const QString& relative) const {
  return folder_.filePath(relative);
}

void ViewerFolder::Write(const QString& relative, const QByteArray& bytes) const {
  QFile file(FilePath(relative));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    qFatal("cannot write the test file %s", qPrintable(relative));
}

QByteArray ViewerFolder::Read(const QString& relative) const {
  QFile file(FilePath(relative));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  // An empty file reads as an empty, not a null, array.
  return bytes.isNull() ? QByteArray("") : bytes;
}

QStringList ViewerFolder::SavedNames() const {
  return QDir(FilePath(QStringLiteral("operaciones")))
      .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

std::unique_ptr<ReportViewer> OpenViewer(const std::filesystem::path& programDir,
                                         const std::string& report, ReportViewer::Clock clock) {
  auto viewer = std::make_unique<ReportViewer>(programDir, QRect(), report, std::move(clock));
  viewer->show();
  if (!QTest::qWaitForWindowExposed(viewer.get())) qFatal("the viewer was never shown");
  return viewer;
}

QStringList ListedNames(const ReportViewer& viewer) {
  QStringList names;
  for (int row = 0; row < viewer.savedCopies->count(); ++row)
    names << viewer.savedCopies->item(row)->text();
  return names;
}

bool ClickListed(ReportViewer& viewer, const QString& name) {
  const QList<QListWidgetItem*> found = viewer.savedCopies->findItems(name, Qt::MatchExactly);
  if (found.size() != 1) return false;
  viewer.savedCopies->scrollToItem(found.first());
  QTest::mouseClick(viewer.savedCopies->viewport(), Qt::LeftButton, {},
                    viewer.savedCopies->visualItemRect(found.first()).center());
  return true;
}

}  // namespace cinta
