// SPDX-License-Identifier: MIT
#include "controls/RowEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <limits>

#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"
#include "controls/WindowlessControls.h"

namespace cinta {

RowEditor::RowEditor(QWidget* view, const WindowlessContainer& container)
    : QLineEdit(view), container_(container) {
  // The windowless field draws the frame; the editor fills the inside, with the same margins.
  setFrame(false);
  setMaxLength(std::numeric_limits<int>::max());
  setAcceptDrops(false);
  hide();
  // Deleting and cutting arrive here; what adds text goes through Insert.
  connect(this, &QLineEdit::textEdited, this, &RowEditor::WriteField);
}

void RowEditor::WriteField(const QString& text) {
  if (field_ == nullptr) return;
  const std::string typed = text.toStdString();
  if (!layer_->Edit(index_, typed)) field_->SetText(typed);
  // The rows' rule may keep another text than the one typed, such as a unary row's, which leaves
  // the field as it was.
  if (field_ != nullptr) ControlChanged(*field_);
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

void RowEditor::Open(const WindowlessLayer& layer, int index, WindowlessTextBox& field,
                     const QPoint& click) {
  Take(layer, index, field);
  setFocus(Qt::MouseFocusReason);
  setCursorPosition(cursorPositionAt(click - pos()));
}

void RowEditor::OpenByTab(const WindowlessLayer& layer, int index, WindowlessTextBox& field) {
  Take(layer, index, field);
  setFocus(Qt::TabFocusReason);
  end(false);
}

void RowEditor::Take(const WindowlessLayer& layer, int index, WindowlessTextBox& field) {
  Close();
  layer_ = &layer;
  index_ = index;
  field_ = &field;
  setFont(field.Font());
  setAlignment(field.Alignment() | Qt::AlignVCenter);
  setText(QString::fromStdString(field.Text()));
  Place();
  show();
}

void RowEditor::Close() {
  if (field_ == nullptr) return;
  field_ = nullptr;
  layer_ = nullptr;
  index_ = -1;
  hide();
}

void RowEditor::ControlChanged(const WindowlessControl& control) {
  if (&control != field_) return;
  if (!field_->Visible()) {
    Close();
    return;
  }
  const QString text = QString::fromStdString(field_->Text());
  if (text != this->text()) setText(text);
  Place();
}

void RowEditor::MembersRemoving(const WindowlessLayer& layer, int first) {
  if (&layer == layer_ && index_ >= first) Close();
}

void RowEditor::ContainerMoved() {
  if (field_ == nullptr) return;
  if (!container_.PixelRect(*field_).intersects(parentWidget()->rect())) {
    Close();
  } else {
    Place();
  }
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
  const int border = WindowlessTextBox::kBorderPixels;
  setGeometry(container_.PixelRect(*field_).adjusted(border, border, -border, -border));
}

}  // namespace cinta
