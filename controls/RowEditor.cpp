// SPDX-License-Identifier: MIT
#include "controls/RowEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>
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
  hide();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (field_ == nullptr) return;
    const std::string typed = text.toStdString();
    if (!layer_->Edit(index_, typed)) field_->SetText(typed);
  });
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
  // Number texts take "." for their decimal point, which the on-screen comma key writes; a typed
  // comma would end the number there for the reader, and the row would count as less than it
  // shows. The keypad's decimal key gives a comma on some layouts.
  const bool keypadDecimal = event->modifiers().testFlag(Qt::KeypadModifier) &&
                             (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
  const bool commandKey = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  if (commandKey || (!keypadDecimal && event->text() != QStringLiteral(","))) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                  event->isAutoRepeat(), static_cast<quint16>(event->count()));
  QLineEdit::keyPressEvent(&point);
  event->setAccepted(point.isAccepted());
}

void RowEditor::Place() {
  const int border = WindowlessTextBox::kBorderPixels;
  setGeometry(container_.PixelRect(*field_).adjusted(border, border, -border, -border));
}

}  // namespace cinta
