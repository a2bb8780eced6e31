// SPDX-License-Identifier: MIT
#include "tapeview/TapeView.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "tapeview/RowEditor.h"

namespace cinta {

TapeView::TapeView(QWidget* parent, const MemoryTape& tape)
    : TwipsControl<QWidget>(parent), tape_(tape), editor_(new RowEditor(*this)) {}

TapeView::~TapeView() = default;

void TapeView::SetBackColor(const QColor& color) {
  backColor_ = color;
  update();
}

void TapeView::SetCanvasColor(const QColor& color) {
  canvasColor_ = color;
  update();
}

void TapeView::SetOperatorFaces(std::vector<QPixmap> faces) {
  faces_ = std::move(faces);
  update();
}

void TapeView::MoveCanvas(const TwipsRect& place) {
  if (place == canvas_) return;
  const QRect was = canvas_.ToPixels();
  canvas_ = place;
  update((was | canvas_.ToPixels()) & rect());
  TrackPressed();
  editor_->Follow();
}

void TapeView::ShowRows(int first, int last) {
  const int rows = RowCount();
  if (rows != shownRows_) {
    RepaintRows(std::min(rows, shownRows_), std::max(rows, shownRows_) - 1);
    shownRows_ = rows;
    if (pressedRow_ && *pressedRow_ >= rows) {
      pressedRow_.reset();
      pressedInside_ = false;
    }
  }
  RepaintRows(first, std::min(last, rows - 1));
  editor_->Follow();
}

bool TapeView::Shows(int row, RowPart part) const {
  if (row < 0 || row >= RowCount()) return false;
  switch (part) {
    case RowPart::Value:
      return tape_.IsFormattedVisible(row);
    case RowPart::Entry:
      return tape_.IsEntryVisible(row);
    case RowPart::Number:
    case RowPart::OperatorButton:
      // Row 0 has no operator: the rows above it are none.
      return row > 0;
  }
  return false;
}

QRect TapeView::PixelRect(int row, RowPart part) const {
  const TwipsRect place = RowLayout::Place(row, part);
  return TwipsRect{canvas_.left + place.left, canvas_.top + place.top, place.width, place.height}
      .ToPixels();
}

const QPixmap& TapeView::Face(int row) const {
  static const QPixmap none;
  const auto code = static_cast<std::size_t>(tape_.RowOperator(row));
  return code < faces_.size() ? faces_[code] : none;
}

std::pair<int, int> TapeView::RowsInSight() const {
  const QRect visible = canvas_.ToPixels() & rect();
  if (visible.isEmpty()) return {0, 0};
  return RowsBetweenPixels(visible.top(), visible.bottom() + 1);
}

std::pair<int, int> TapeView::RowsBetweenPixels(int top, int bottom) const {
  // Widened by a pixel each way for rounding.
  return RowLayout::RowsBetween(PixelsToTwips(top - 1) - canvas_.top,
                                PixelsToTwips(bottom + 1) - canvas_.top, RowCount());
}

void TapeView::Edit(int row, std::string_view text) const {
  if (editHandler_) editHandler_(row, text);
}

void TapeView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), backColor_);
  const QRect visible = canvas_.ToPixels() & event->rect();
  if (visible.isEmpty()) return;
  painter.fillRect(visible, canvasColor_);
  // The canvas clips its rows to itself.
  painter.setClipRect(visible);
  const auto [first, last] = RowsBetweenPixels(visible.top(), visible.bottom() + 1);
  for (int row = first; row < last; ++row) PaintRow(painter, row);
}

void TapeView::PaintRow(QPainter& painter, int row) const {
  for (const RowPart part : kRowParts) {
    if (!Shows(row, part)) continue;
    const QRect area = PixelRect(row, part);
    switch (part) {
      case RowPart::Value:
        PaintValue(painter, area, fonts_.value, tape_.FormattedText(row));
        break;
      case RowPart::Number:
        PaintNumber(painter, area, fonts_.number, std::to_string(row));
        break;
      case RowPart::OperatorButton:
        PaintOperatorButton(painter, area, Face(row), pressedInside_ && pressedRow_ == row);
        break;
      case RowPart::Entry:
        PaintEntry(painter, area, fonts_.entry, tape_.OperandText(row));
        break;
    }
  }
}

std::optional<TapeView::Hit> TapeView::PartAt(const QPoint& pixel) const {
  if (!canvas_.ToPixels().contains(pixel)) return std::nullopt;
  const auto [first, last] = RowsBetweenPixels(pixel.y(), pixel.y() + 1);
  // Entry fields lie above buttons; the value and the number let clicks through.
  for (int row = last - 1; row >= first; --row) {
    for (const RowPart part : {RowPart::Entry, RowPart::OperatorButton}) {
      if (Shows(row, part) && PixelRect(row, part).contains(pixel)) return Hit{row, part};
    }
  }
  return std::nullopt;
}

void TapeView::RepaintRows(int first, int last) {
  if (last < first) return;
  const int top = RowLayout::Place(first, RowPart::OperatorButton).top;
  const TwipsRect bottomButton = RowLayout::Place(last, RowPart::OperatorButton);
  const QRect rows = TwipsRect{canvas_.left, canvas_.top + top, canvas_.width,
                               bottomButton.top + bottomButton.height - top}
                         .ToPixels();
  const QRect area = rows & canvas_.ToPixels() & rect();
  if (!area.isEmpty()) update(area);
}

void TapeView::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const auto hit = event->button() == Qt::LeftButton ? PartAt(point) : std::nullopt;
  if (!hit) {
    QWidget::mousePressEvent(event);
    return;
  }
  if (hit->part == RowPart::Entry) {
    editor_->Open(hit->row, point);
    return;
  }
  pressedRow_ = hit->row;
  pointer_ = point;
  SetPressedInside(true);
}

void TapeView::mouseMoveEvent(QMouseEvent* event) {
  if (!pressedRow_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  pointer_ = event->position().toPoint();
  TrackPressed();
}

void TapeView::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressedRow_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  pointer_ = event->position().toPoint();
  TrackPressed();
  const int released = *pressedRow_;
  const bool clicked = pressedInside_;
  SetPressedInside(false);
  pressedRow_.reset();
  // A button released away from itself is no click, as with any push button.
  if (clicked && buttonHandler_) buttonHandler_(released);
}

bool TapeView::focusNextPrevChild(bool next) {
  const int row = tape_.LastRow();
  if (next && hasFocus() && Shows(row, RowPart::Entry) &&
      PixelRect(row, RowPart::Entry).intersects(rect())) {
    editor_->OpenByTab(row);
    return true;
  }
  return TwipsControl<QWidget>::focusNextPrevChild(next);
}

void TapeView::SetPressedInside(bool inside) {
  if (inside == pressedInside_) return;
  pressedInside_ = inside;
  update(PixelRect(*pressedRow_, RowPart::OperatorButton) & rect());
}

void TapeView::TrackPressed() {
  if (!pressedRow_) return;
  SetPressedInside(Shows(*pressedRow_, RowPart::OperatorButton) &&
                   PixelRect(*pressedRow_, RowPart::OperatorButton).contains(pointer_));
}

}  // namespace cinta
