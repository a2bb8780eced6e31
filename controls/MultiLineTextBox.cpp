// SPDX-License-Identifier: MIT
#include "controls/MultiLineTextBox.h"

#include <QTextBlock>
#include <vector>

namespace cinta {
namespace {

// Stored as the user state of the block the break ends. A block the user makes by pressing
// Return has the default state, so the default must mean CR LF.
enum LineBreak : int { kCrLf = -1, kLf = 1, kCr = 2 };

const QString& BreakText(int state) {
  static const QString crLf = QStringLiteral("\r\n");
  static const QString lf = QStringLiteral("\n");
  static const QString cr = QStringLiteral("\r");
  if (state == kLf) return lf;
  if (state == kCr) return cr;
  return crLf;
}

}  // namespace

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : TwipsControl<QPlainTextEdit>(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Tab moves through the window's focus order, as in every other control of the window.
  setTabChangesFocus(true);
}

void MultiLineTextBox::SetText(const QString& value) {
  // The document splits blocks at CR LF, CR and LF alike; note which one each was.
  std::vector<int> breaks;
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] == u'\r') {
      const bool crLf = i + 1 < value.size() && value[i + 1] == u'\n';
      breaks.push_back(crLf ? kCrLf : kCr);
      if (crLf) ++i;
    } else if (value[i] == u'\n') {
      breaks.push_back(kLf);
    } else if (value[i] == QChar::ParagraphSeparator || value[i] == QChar(0xFDD0) ||
               value[i] == QChar(0xFDD1)) {
      // The paragraph and frame marks break blocks too; none is a Windows-1252 character, and
      // they read back as CR LF.
      breaks.push_back(kCrLf);
    }
  }
  setPlainText(value);
  QTextBlock block = document()->begin();
  for (const int state : breaks) {
    if (!block.isValid()) break;
    block.setUserState(state);
    block = block.next();
  }
}

QString MultiLineTextBox::Text() const {
  // Block texts are raw, unlike toPlainText(), which turns a non-breaking space into a space.
  QString text;
  text.reserve(document()->characterCount());
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    QString line = block.text();
    // Shift+Return puts a soft line break inside a block; it is a line break all the same.
    line.replace(QChar::LineSeparator, BreakText(kCrLf));
    text += line;
    if (block.next().isValid()) text += BreakText(block.userState());
  }
  return text;
}

}  // namespace cinta
