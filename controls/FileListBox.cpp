// SPDX-License-Identifier: MIT
#include "controls/FileListBox.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace cinta {

QStringList ListOrdinaryFiles(const std::filesystem::path& folder) {
  // QDir would read an empty path as the current folder.
  if (folder.empty()) return {};
  // QDir::Files judges a link by its target, and leaving out QDir::Hidden and QDir::System drops
  // dot files, hidden-attribute files, broken links, pipes and sockets. Plain (not locale-aware)
  // comparison gives the same order on every system.
  QStringList names =
      QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
#ifdef Q_OS_WIN
  // QDir leaves out hidden files here too, but lists files with the system attribute.
  const QDir dir(folder);
  names.removeIf([&](const QString& name) {
    const DWORD attributes = GetFileAttributesW(dir.filePath(name).toStdWString().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
  });
#endif
  return names;
}

namespace {

// Each name is turned into UTF-8 once, not at every comparison.
QStringList SortedBy(const QStringList& names, FileListBox::NameOrder order) {
  std::vector<std::pair<std::string, QString>> keyed;
  keyed.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names) keyed.emplace_back(name.toStdString(), name);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [order](const auto& a, const auto& b) { return order(a.first, b.first); });
  QStringList sorted;
  sorted.reserve(names.size());
  for (auto& [key, name] : keyed) sorted.append(std::move(name));
  return sorted;
}

}  // namespace

FileListBox::FileListBox(QWidget* parent) : TwipsControl<QListWidget>(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileListBox::SetPath(const std::filesystem::path& folder) {
  path_ = folder;
  Refresh();
}

void FileListBox::Refresh() {
  clear();
  const QStringList names = ListOrdinaryFiles(path_);
  addItems(order_ != nullptr ? SortedBy(names, order_) : names);
}

void FileListBox::focusInEvent(QFocusEvent* event) {
  TwipsControl<QListWidget>::focusInEvent(event);
  // Without a current entry, any move of the cursor lands on the first one and selects it.
  if (selectedItems().isEmpty()) selectionModel()->clearCurrentIndex();
}

QString FileListBox::FileName() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

std::optional<std::filesystem::path> FileListBox::SelectedFilePath() const {
  const QString name = FileName();
  if (name.isEmpty()) return std::nullopt;
  return QFileInfo(QDir(path_), name).filesystemFilePath();
}

}  // namespace cinta
