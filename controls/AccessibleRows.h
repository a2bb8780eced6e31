// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace cinta {

// Rows drawn without widgets of their own, described for assistive technology: the widget that
// draws them reads to a screen reader as a list with one item per row.
class AccessibleRows {
 public:
  virtual ~AccessibleRows() = default;
  virtual int RowCount() const = 0;
  // What the item of `row` reads.
  virtual QString RowText(int row) const = 0;
  // Where `row` is drawn, in the drawing widget's pixels.
  virtual QRect RowRect(int row) const = 0;
};

// Makes `widget` read as a list of `rows`, which must outlive it; nullptr makes it a plain
// widget again.
void ExposeRowsAsList(QWidget* widget, const AccessibleRows* rows);

}  // namespace cinta
