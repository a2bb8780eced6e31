// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <optional>

namespace cinta {

class WindowlessContainer;
class WindowlessControl;
class WindowlessLayer;
class WindowlessTextBox;

// The one real line editor of a tape: placed over a windowless entry field while the user types
// into it. Every edit is written into the field at once, by the layer's edit handler if it has
// one, so the field's text is always what the user sees. What is typed, pasted or composed goes
// through the edit rule first, which may change it or refuse it with the system's beep; nothing
// can be dropped on it. It goes away when the focus leaves it or the field is hidden, removed or
// scrolled out of view.
class RowEditor : public QLineEdit {
 public:
  // What the field's text becomes when `inserted` replaces `removed` characters of `text` from
  // `start`, or nullopt to refuse it.
  using EditRule = std::function<std::optional<QString>(const QString& text, int start, int removed,
                                                        const QString& inserted)>;

  RowEditor(QWidget* view, const WindowlessContainer& container);

  void SetEditRule(EditRule rule) { rule_ = std::move(rule); }

  // Takes over entry field `index` of `layer`, with the cursor at the point clicked.
  void Open(const WindowlessLayer& layer, int index, WindowlessTextBox& field, const QPoint& click);
  // Takes over the field when the Tab key enters it, with the cursor after its text.
  void OpenByTab(const WindowlessLayer& layer, int index, WindowlessTextBox& field);
  void Close();

  // A control of the container changed: follows its field's text and visibility.
  void ControlChanged(const WindowlessControl& control);
  // Members of `layer` from `first` on are about to go.
  void MembersRemoving(const WindowlessLayer& layer, int first);
  // The container moved: moves along with the field, or closes once the field is out of view.
  void ContainerMoved();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Take(const WindowlessLayer& layer, int index, WindowlessTextBox& field);
  void Place();
  // Puts `typed` in place of the selection, or at the cursor, as the edit rule allows.
  void Insert(const QString& typed);
  void Paste(QClipboard::Mode mode);
  void WriteField(const QString& text);

  const WindowlessContainer& container_;
  EditRule rule_;
  const WindowlessLayer* layer_ = nullptr;
  int index_ = -1;
  WindowlessTextBox* field_ = nullptr;
};

}  // namespace cinta
