// SPDX-License-Identifier: MIT
#include "controls/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

namespace cinta {

void PutOnClipboard(QString text) {
  // Qt's Windows clipboard puts a CR before each LF that has none and leaves CR LF alone.
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
#ifdef Q_OS_WIN
  text.replace(lineBreak, QStringLiteral("\r\n"));
#else
  text.replace(lineBreak, QStringLiteral("\n"));
#endif
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(text);
}

}  // namespace cinta
