// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/MemoryTape.h"
#include "controls/TwipsControl.h"
#include "tapeview/RowLayout.h"
#include "tapeview/RowPainter.h"

namespace cinta {

class RowEditor;

// The tape's viewport. It paints the rows of the tape that are in sight straight from the model,
// each where RowLayout places it on a canvas that the window moves to scroll; it hit-tests a
// click by the same arithmetic, sinks an operator button while it is held, and opens one real
// line editor over an entry field clicked into. What it keeps is only the view's: where the
// canvas stands, the row being typed into and the button held. Real child widgets added later
// lie above the rows.
class TapeView : public TwipsControl<QWidget> {
 public:
  TapeView(QWidget* parent, const MemoryTape& tape);
  ~TapeView() override;

  void SetBackColor(const QColor& color);
  void SetCanvasColor(const QColor& color);
  // The operators' pictures, by OperatorCode, that the operator buttons show as their face.
  void SetOperatorFaces(std::vector<QPixmap> faces);
  // Told of a click on a row's operator button.
  void SetButtonHandler(std::function<void(int row)> handler) {
    buttonHandler_ = std::move(handler);
  }
  // Told of what the user types into a row's entry field, and the text it is to hold.
  void SetEditHandler(std::function<void(int row, std::string_view text)> handler) {
    editHandler_ = std::move(handler);
  }

  // The canvas the rows lie on, in twips inside the view. Its place may lie far outside the view:
  // a long tape is millions of twips tall.
  const TwipsRect& Canvas() const { return canvas_; }
  void MoveCanvas(const TwipsRect& place);

  // The tape changed: the rows from `first` to `last` (none when `last` < `first`), and the rows
  // added or removed at its end. Repaints what of them is in sight.
  void ShowRows(int first, int last);

  // What the view shows of row `row`: whether `part` is drawn, where, and the button's face.
  bool Shows(int row, RowPart part) const;
  QRect PixelRect(int row, RowPart part) const;
  const QPixmap& Face(int row) const;
  // The rows [first, last) that meet the view.
  std::pair<int, int> RowsInSight() const;
  const RowFonts& Fonts() const { return fonts_; }
  const MemoryTape& Tape() const { return tape_; }

  // The editor that stands in for an entry field while the user types; hidden otherwise.
  RowEditor& Editor() const { return *editor_; }
  // The user typed into row `row`'s entry field.
  void Edit(int row, std::string_view text) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // From the view, Tab enters the entry field of the last row, the one being typed.
  bool focusNextPrevChild(bool next) override;

 private:
  int RowCount() const { return tape_.LastRow() + 1; }
  // The rows [first, last) that meet pixels [top, bottom) of the view.
  std::pair<int, int> RowsBetweenPixels(int top, int bottom) const;
  void PaintRow(QPainter& painter, int row) const;
  // The topmost shown part under a point that takes clicks: an entry field or a button.
  struct Hit {
    int row;
    RowPart part;
  };
  std::optional<Hit> PartAt(const QPoint& pixel) const;
  void RepaintRows(int first, int last);
  void SetPressedInside(bool inside);
  // Whether the pointer is over the held button where that button stands now: rows move under a
  // held button when keys add or remove rows.
  void TrackPressed();

  const MemoryTape& tape_;
  RowFonts fonts_ = DesignedRowFonts();
  TwipsRect canvas_;
  QColor backColor_ = Qt::white;
  QColor canvasColor_ = Qt::white;
  std::vector<QPixmap> faces_;
  std::function<void(int)> buttonHandler_;
  std::function<void(int, std::string_view)> editHandler_;
  RowEditor* editor_;
  // The rows painted last, to repaint those removed or added.
  int shownRows_ = 1;
  // The row whose button is held down, and whether the pointer is still over it.
  std::optional<int> pressedRow_;
  bool pressedInside_ = false;
  QPoint pointer_;
};

}  // namespace cinta
