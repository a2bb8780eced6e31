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

#include "calc/OperatorCode.h"
#include "calc/RowEntry.h"
#include "controls/RowEditor.h"
#include "controls/Utf8Text.h"
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

}  // namespace

QAbstractButton* TapeWindow::KeyboardKey(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Save)) return saveKey;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return equalsKey;
    case Qt::Key_Backspace:
      return backspaceKey;
    case Qt::Key_Delete:
      return &clearKeys(1);
    case Qt::Key_Escape:
      return &clearKeys(0);
    default:
      break;
  }
  // The other keys by the character they type, so that the numeric keypad and every layout
  // that has the character work alike.
  const QString text = event.text();
  if (text.size() != 1 || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    return nullptr;
  }
  const char16_t character = text.front().unicode();
  if (character >= u'0' && character <= u'9') return &digitKeys(character - u'0');
  constexpr std::u16string_view kOperators = u"+-*/^%";  // operator codes 0 to 5
  if (const auto code = kOperators.find(character); code != std::u16string_view::npos) {
    return &operatorKeys(static_cast<int>(code));
  }
  if (character == u',' || character == u'.') return decimalKey;
  if (character == u'=') return equalsKey;
  return nullptr;
}

bool TapeWindow::RowEntryKey(const QKeyEvent& event) {
  RowEditor& editor = tapeView->Editor();
  QAbstractButton* key = nullptr;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
    key = equalsKey;
  } else if (event.key() != Qt::Key_Escape) {
    // A minus typed into an empty entry is the row's sign; anywhere else it subtracts.
    const QString typed = event.text();
    const bool calculatorKey = typed.size() == 1 && QStringLiteral("+-*/^%=").contains(typed) &&
                               !(typed == QStringLiteral("-") && editor.text().isEmpty());
    if (!calculatorKey || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    key = KeyboardKey(event);
  }
  // The row's edit ends first, so the key acts on the tape and the keyboard goes on pressing
  // keys; Escape only leaves the row.
  editor.Close();
  tapeView->setFocus(Qt::OtherFocusReason);
  if (key != nullptr) key->click();
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
