// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

#include "controls/TwipsControl.h"

namespace cinta {

// An editable text box of several lines with a vertical scroll bar, whose text reads back
// exactly as it was set: CR LF, a lone CR and a lone LF each show as a line break, and each line
// remembers which of them ended it. So a file shown and saved unedited keeps its bytes, and a
// line break typed by the user is CR LF, the break of the files this program writes.
class MultiLineTextBox : public TwipsControl<QPlainTextEdit> {
 public:
  explicit MultiLineTextBox(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& value);
};

}  // namespace cinta
