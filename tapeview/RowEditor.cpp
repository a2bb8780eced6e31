// SPDX-License-Identifier: MIT
#include "tapeview/RowEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <limits>

#include "controls/Utf8Text.h"
#include "tapeview/TapeView.h"

namespace cinta {

RowEditor::RowEditor(TapeView& view) : QLineEdit(&view), view_(view) {
  // The view draws the field's frame; the editor fills the inside, with the same margins.
  setFrame(false);
  setMaxLength(std::numeric_limits<int>::max());
  setAcceptDrops(false);
  hide();
  // Deleting and cutting arrive here; what adds text goes through Insert.
  connect(this, &QLineEdit::textEdited, this, &RowEditor::WriteField);
}

void RowEditor::WriteField(const QString& text) {
  if (row_ < 0) return;
  view_.Edit(row_, text.toStdString());
  // The rows' rule may keep another text than the one typed, such as a unary row's, which leaves
  // the field as it was.
  Follow();
}

void RowEditor::Insert(const QString& typed) {
  const QString before = text();
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int removed = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  const std::optional<QString> after =
      rule_ ? rule_(before, start, removed, typed)
            : std::optional<QString>(QString(before).replace(start, removed, typed));
  if (!after) {
    QApplication::beep();
    return;
  }
  // The text after the insertion stays as it was, so the cursor keeps its distance to the end.
  const qsizetype tail = before.size() - start - removed;
  setText(*after);
  setCursorPosition(static_cast<int>(after->size() - tail));
  WriteField(*after);
}

void RowEditor::Paste(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString pasted = QGuiApplication::clipboard()->text(mode);
  if (!pasted.isEmpty()) Insert(pasted);
}

void RowEditor::Open(int row, const QPoint& click) {
  Take(row);
  setFocus(Qt::MouseFocusReason);
  setCursorPosition(cursorPositionAt(click - pos()));
}

void RowEditor::OpenByTab(int row) {
  Take(row);
  setFocus(Qt::TabFocusReason);
  end(false);
}

void RowEditor::Take(int row) {
  Close();
  row_ = row;
  setFont(view_.Fonts().entry);
  setAlignment(kEntryAlignment | Qt::AlignVCenter);
  setText(FromUtf8(view_.Tape().OperandText(row)));
  Place();
  show();
}

void RowEditor::Close() {
  if (row_ < 0) return;
  row_ = -1;
  hide();
}

void RowEditor::Follow() {
  if (row_ < 0) return;
  if (!view_.Shows(row_, RowPart::Entry) ||
      !view_.PixelRect(row_, RowPart::Entry).intersects(view_.rect())) {
    Close();
    return;
  }
  const QString text = FromUtf8(view_.Tape().OperandText(row_));
  if (text != this->text()) setText(text);
  Place();
}

void RowEditor::focusOutEvent(QFocusEvent* event) {
  // The editor's own context menu takes the focus for a moment; anything else ends the editing.
  if (event->reason() != Qt::PopupFocusReason) Close();
  QLineEdit::focusOutEvent(event);
}

void RowEditor::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    Paste(QClipboard::Clipboard);
    return;
  }
  const QString typed = event->text();
  const bool commandKey = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  if (commandKey || typed.isEmpty() || !typed.front().isPrint()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  Insert(typed);
}

void RowEditor::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  Insert(event->commitString());
}

void RowEditor::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the X11 selection.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    Paste(QClipboard::Selection);
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void RowEditor::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's paste would insert past the edit rule; it is found by the text Qt gives it.
  for (QAction* action : menu->actions()) {
    if (!action->text().startsWith(QLineEdit::tr("&Paste"))) continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
  }
  menu->popup(event->globalPos());
}

void RowEditor::Place() {
  const int border = kEntryBorderPixels;
  setGeometry(view_.PixelRect(row_, RowPart::Entry).adjusted(border, border, -border, -border));
}

}  // namespace cinta
