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

std::unique_ptr<Form2> OpenViewer(const std::filesystem::path& programDir,
                                  const std::string& report, Form2::Clock clock) {
  auto viewer = std::make_unique<Form2>(programDir, kMainWindowRect, report, std::move(clock));
  viewer->show();
  if (!QTest::qWaitForWindowExposed(viewer.get())) qFatal("the viewer was never shown");
  return viewer;
}

QStringList ListedNames(const Form2& viewer) {
  QStringList names;
  for (int row = 0; row < viewer.File1->count(); ++row) names << viewer.File1->item(row)->text();
  return names;
}

bool ClickListed(Form2& viewer, const QString& name) {
  const QList<QListWidgetItem*> found = viewer.File1->findItems(name, Qt::MatchExactly);
  if (found.size() != 1) return false;
  viewer.File1->scrollToItem(found.first());
  QTest::mouseClick(viewer.File1->viewport(), Qt::LeftButton, {},
                    viewer.File1->visualItemRect(found.first()).center());
  return true;
}

}  // namespace cinta
