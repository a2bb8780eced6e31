// SPDX-License-Identifier: MIT
#include "controls/ComboBox.h"

#include <QLineEdit>
#include <QWheelEvent>

namespace cinta {

ComboBox::ComboBox(QWidget* parent, const QFont& font) : TwipsControl<QComboBox>(parent) {
  // The font first: the edit field lays its text out as soon as it exists, and laying it out
  // in the default font first would load a face this box never shows.
  setFont(font);
  // Not the default wheel focus: the wheel picks only in a box the user is already working in.
  setFocusPolicy(Qt::StrongFocus);
  // Qt treats a finished edit whose text names an entry as a choice of that entry. Slots run in
  // the order they were connected, so these two bracket the combo box's own handling of it.
  auto* field = new QLineEdit(this);
  connect(field, &QLineEdit::editingFinished, this, [this] { finishingEdit_ = true; });
  setLineEdit(field);
  connect(field, &QLineEdit::editingFinished, this, [this] { finishingEdit_ = false; });
  // No completion: what the user types into the field stays as typed.
  setCompleter(nullptr);
  // Entries are appended by the program, never by pressing Return in the edit field.
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (!finishingEdit_) emit picked(index);
  });
}

void ComboBox::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  TwipsControl<QComboBox>::wheelEvent(event);
}

void ComboBox::SetFieldText(const QString& text) {
  setEditText(text);
  if (!lineEdit()->hasFocus()) lineEdit()->setCursorPosition(0);
}

}  // namespace cinta
