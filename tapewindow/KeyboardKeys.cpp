// SPDX-License-Identifier: MIT
// The physical keyboard as a second way to press the on-screen keys.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

#include "calc/RowEntry.h"
#include "controls/Utf8Text.h"
#include "tapeview/RowEditor.h"
#include "tapewindow/KeyTable.h"
#include "tapewindow/TapeWindow.h"

namespace cinta {
namespace {

// While a text box that takes typing has the focus, the keys belong to its text.
bool TextBoxHasFocus() {
  const QWidget* focus = QApplication::focusWidget();
  const auto* lineEdit = qobject_cast<const QLineEdit*>(focus);
  return (lineEdit != nullptr && !lineEdit->isReadOnly()) ||
         qobject_cast<const QComboBox*>(focus) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(focus) != nullptr ||
         qobject_cast<const QTextEdit*>(focus) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(focus) != nullptr;
}

// Whether `event` presses `key`. Typed keys go by the character, so that the numeric keypad and
// every layout that has the character work alike.
bool PressedBy(const KeyDeclaration& key, const QKeyEvent& event) {
  if (key.shortcut != QKeySequence::UnknownKey && event.matches(key.shortcut)) return true;
  if (event.key() != kNoNamedKey &&
      std::find(key.named.begin(), key.named.end(), event.key()) != key.named.end())
    return true;
  const QString text = event.text();
  return text.size() == 1 && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
         key.typed.find(text.front().unicode()) != std::u16string_view::npos;
}

// The key that `event` presses, if any.
std::optional<Key> KeyOfKeyboard(const QKeyEvent& event) {
  for (const KeyDeclaration& key : KeyDeclarations()) {
    if (PressedBy(key, event)) return key.key;
  }
  return std::nullopt;
}

}  // namespace

QAbstractButton* TapeWindow::KeyboardKey(const QKeyEvent& event) {
  const std::optional<Key> key = KeyOfKeyboard(event);
  return key ? KeyButton(*key) : nullptr;
}

bool TapeWindow::RowEntryKey(const QKeyEvent& event) {
  RowEditor& editor = tapeView->Editor();
  std::optional<Key> key;
  if (event.key() != Qt::Key_Escape) {
    // "=" and the operator keys act on the tape, but a minus typed into an empty entry is the
    // row's sign.
    key = KeyOfKeyboard(event);
    const bool rowSign = key == OperatorKey(OperatorCode::Subtract) && editor.text().isEmpty();
    if (!key || !(*key == Key::Equals || OperatorOf(*key)) || rowSign) return false;
  }
  // The row's edit ends first, so the key acts on the tape and the keyboard goes on pressing
  // keys; Escape only leaves the row.
  editor.Close();
  tapeView->setFocus(Qt::OtherFocusReason);
  if (key) KeyButton(*key)->click();
  return true;
}

std::optional<QString> TapeWindow::TypeIntoRowEntry(const QString& text, int start, int removed,
                                                    const QString& inserted) {
  // The rule counts UTF-8 bytes, the editor UTF-16 characters.
  const std::string before = text.toStdString();
  const std::size_t start8 = text.left(start).toUtf8().size();
  const std::size_t removed8 = text.mid(start, removed).toUtf8().size();
  const std::optional<std::string> after =
      TypeIntoRow(before, start8, removed8, inserted.toStdString());
  if (!after) return std::nullopt;
  return FromUtf8(*after);
}

void TapeWindow::keyPressEvent(QKeyEvent* event) {
  // Escape dismisses the open palette, as it does any pop-up, rather than clearing the tape
  // behind it; the row keeps its operator.
  if (event->key() == Qt::Key_Escape && operatorPalette->Visible() && !TextBoxHasFocus()) {
    ClosePalette();
    return;
  }
  QAbstractButton* key = TextBoxHasFocus() ? nullptr : KeyboardKey(*event);
  if (key == nullptr || !key->isVisible() || !key->isEnabled()) {
    QWidget::keyPressEvent(event);
    return;
  }
  // The same signal as a click, so the handler and the result are those of the mouse.
  key->click();
}

}  // namespace cinta
