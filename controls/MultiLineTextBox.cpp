// SPDX-License-Identifier: MIT
#include "controls/MultiLineTextBox.h"

#include <QTextBlock>
#include <algorithm>
#include <vector>

namespace cinta {
namespace {

// Stored as the user state of the block the break ends. A block the user makes by pressing
// Return has the default state, so the default must mean CR LF.
enum LineBreak : int { kCrLf = -1, kLf = 1, kCr = 2 };

constexpr qsizetype kLongestWordWrappedLine = 4096;

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
  qsizetype lineStart = 0;
  qsizetype longestLine = 0;
  for (qsizetype i = 0; i < value.size(); ++i) {
    int state = kCrLf;
    qsizetype width = 1;
    if (value[i] == u'\r') {
      const bool crLf = i + 1 < value.size() && value[i + 1] == u'\n';
      state = crLf ? kCrLf : kCr;
      width = crLf ? 2 : 1;
    } else if (value[i] == u'\n') {
      state = kLf;
    } else if (value[i] != QChar::ParagraphSeparator && value[i] != QChar(0xFDD0) &&
               value[i] != QChar(0xFDD1)) {
      // The paragraph and frame marks break blocks too; none is a Windows-1252 character, and
      // they read back as CR LF.
      continue;
    }
    breaks.push_back(state);
    longestLine = std::max(longestLine, i - lineStart);
    i += width - 1;
    lineStart = i + 1;
  }
  longestLine = std::max(longestLine, value.size() - lineStart);
  // Wrapping at word boundaries takes time that grows with the square of a line's length, so a
  // line of a megabyte would freeze the window; such lines wrap anywhere instead.
  setWordWrapMode(longestLine > kLongestWordWrappedLine
                      ? QTextOption::WrapAnywhere
                      : QTextOption::WrapAtWordBoundaryOrAnywhere);
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
