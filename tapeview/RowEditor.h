// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <optional>

namespace cinta {

class TapeView;

// The one real line editor of a tape: placed over a row's entry field while the user types into
// it. Every edit goes to the view's edit handler at once, and the editor then shows the row's
// text as the tape holds it, so the field's text is always what the user sees. What is typed,
// pasted or composed goes through the edit rule first, which may change it or refuse it with the
// system's beep; nothing can be dropped on it. It goes away when the focus leaves it or the field
// is hidden, removed or scrolled out of view.
class RowEditor : public QLineEdit {
 public:
  // What the field's text becomes when `inserted` replaces `removed` characters of `text` from
  // `start`, or nullopt to refuse it.
  using EditRule = std::function<std::optional<QString>(const QString& text, int start, int removed,
                                                        const QString& inserted)>;

  explicit RowEditor(TapeView& view);

  void SetEditRule(EditRule rule) { rule_ = std::move(rule); }

  // Takes over the entry field of row `row`, with the cursor at the point clicked.
  void Open(int row, const QPoint& click);
  // Takes over the field when the Tab key enters it, with the cursor after its text.
  void OpenByTab(int row);
  void Close();

  // The tape or the canvas changed: follows the row's text and place, or goes once the row's
  // field is hidden, removed or out of view.
  void Follow();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Take(int row);
  void Place();
  // Puts `typed` in place of the selection, or at the cursor, as the edit rule allows.
  void Insert(const QString& typed);
  void Paste(QClipboard::Mode mode);
  void WriteField(const QString& text);

  TapeView& view_;
  EditRule rule_;
  // The row taken over, or -1.
  int row_ = -1;
};

}  // namespace cinta
