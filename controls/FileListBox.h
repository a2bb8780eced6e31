// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string_view>

#include "controls/TwipsControl.h"

namespace cinta {

// The names of the ordinary files of `folder`, sorted by name as text: no folders (nor links to
// them), no hidden or system files, nothing else that is not a file. Empty when the folder
// cannot be read.
QStringList ListOrdinaryFiles(const std::filesystem::path& folder);

// A list of the ordinary files of one folder. It does not watch the folder: the list is read
// when the folder is set and on Refresh. A refresh leaves nothing selected.
class FileListBox : public TwipsControl<QListWidget> {
 public:
  // Whether the file named `name` is listed before `other`, both as UTF-8; names it holds equal
  // keep their order as text.
  using NameOrder = bool (*)(std::string_view name, std::string_view other);

  explicit FileListBox(QWidget* parent = nullptr);

  // The order of the names from the next refresh on; as text until one is set.
  void SetOrder(NameOrder order) { order_ = order; }
  void SetPath(const std::filesystem::path& folder);
  void Refresh();

  // The selected name without folder; empty when nothing is selected.
  QString FileName() const;
  // The folder joined with the selected name, or nullopt when nothing is selected.
  std::optional<std::filesystem::path> SelectedFilePath() const;

 protected:
  // Qt makes the first entry current, unselected, when the list takes the focus; the arrow keys
  // would then start from it and never select it.
  void focusInEvent(QFocusEvent* event) override;

 private:
  std::filesystem::path path_;
  NameOrder order_ = nullptr;
};

}  // namespace cinta
