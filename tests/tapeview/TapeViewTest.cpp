// SPDX-License-Identifier: MIT
#include <QPainter>
#include <QtTest>

#include "tapeview/TapeView.h"

namespace cinta {
namespace {

int Top(int row) {
  return RowLayout::Place(row, RowPart::OperatorButton).top;
}

// Records the area of every paint event of a widget.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

// Where `image` holds ink darker than mid-grey.
QRect InkBounds(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 100) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// `text` as a row's entry field draws it, inside its frame.
QImage DrawnEntry(const std::string& text) {
  const QRect field = RowLayout::Place(1, RowPart::Entry).ToPixels();
  QImage image(field.size(), QImage::Format_RGB32);
  QPainter painter(&image);
  PaintEntry(painter, image.rect(), DesignedRowFonts().entry, text);
  painter.end();
  return image.copy(image.rect().adjusted(2, 2, -2, -2));
}

}  // namespace

class TapeViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    for (int row = 1; row < 20; ++row) tape_.AppendRow(std::to_string(row), OperatorCode::Add);
    view_ = std::make_unique<TapeView>(nullptr, tape_);
    view_->Move({0, 0, 6000, 6000});
    view_->MoveCanvas({0, -Top(0), 6000, 100000});
    view_->ShowRows(0, tape_.LastRow());
    view_->SetButtonHandler([this](int row) { clicked_ = row; });
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
  }
  void cleanup() {
    view_.reset();
    tape_.RemoveRowsFrom(1);
    clicked_ = -1;
  }

  void RowsBetweenFindsTheRowsInABand_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    const int height = RowLayout::Place(100, RowPart::OperatorButton).height;
    QTest::newRow("inside one row") << Top(100) + 10 << Top(100) + 20 << 100 << 101;
    QTest::newRow("in the gap between rows") << Top(100) + height << Top(101) << 101 << 101;
    QTest::newRow("several rows") << Top(100) << Top(105) + 1 << 100 << 106;
    QTest::newRow("row 0 and its neighbour") << 0 << Top(1) + 1 << 0 << 2;
    QTest::newRow("above every row") << -5000 << -10 << 0 << 0;
    QTest::newRow("below every row") << Top(20000) << Top(20001) << 10000 << 10000;
    QTest::newRow("everything") << -5000 << Top(20000) << 0 << 10000;
  }
  void RowsBetweenFindsTheRowsInABand() {
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(RowLayout::RowsBetween(top, bottom, 10000), std::make_pair(first, last));
  }

  // A row's parts stand level, one row step below the row above and clear of the next row; its
  // number stays clear of the operator button, with four and five digits too, and shows whole.
  void RowsFollowOneAnotherWithoutOverlap_data() {
    QTest::addColumn<int>("row");
    for (const int row : {1, 2, 999, 1000, 32767}) QTest::addRow("row %d", row) << row;
  }
  void RowsFollowOneAnotherWithoutOverlap() {
    QFETCH(int, row);
    QCOMPARE(Top(row) - Top(row - 1), RowLayout::Step());
    const TwipsRect button = RowLayout::Place(row, RowPart::OperatorButton);
    for (const RowPart part : kRowParts) {
      const TwipsRect place = RowLayout::Place(row, part);
      QCOMPARE(place.top, button.top);
      QVERIFY(place.top + place.height <= Top(row + 1));
      const TwipsRect above = RowLayout::Place(row - 1, part);
      QVERIFY(above.top + above.height <= button.top);
    }
    const TwipsRect number = RowLayout::Place(row, RowPart::Number);
    QVERIFY(number.left + number.width < button.left);
    // Drawn smaller where it does not fit, whole inside its place or half of it.
    const QString text = QString::number(row);
    for (const int width : {number.width, number.width / 2}) {
      const QRect area = TwipsRect{0, 0, width, number.height}.ToPixels();
      const QFont font = FittingFont(DesignedRowFonts().number, area, text);
      QVERIFY(QFontMetrics(font).horizontalAdvance(text) <= area.width());
    }
  }

  // A text too wide for its field shows its beginning; one that fits stands on the right.
  void FieldShowsTheStartOfATextTooWide_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("showsItsStart");
    QTest::newRow("a short number") << QStringLiteral("12,5") << false;
    QTest::newRow("a root's digits") << QStringLiteral("0.0191305363591554") << true;
    QTest::newRow("an exponent") << QStringLiteral("-2.92509369349301E+188") << true;
  }
  void FieldShowsTheStartOfATextTooWide() {
    QFETCH(QString, text);
    QFETCH(bool, showsItsStart);
    const QImage drawn = DrawnEntry(text.toStdString());
    QCOMPARE(InkBounds(drawn).left() < drawn.width() / 4, showsItsStart);
  }

  // A pasted text may hold line breaks: the one-line field shows them as spaces, as its
  // editor does, instead of one of the lines cut by the field's edges.
  void FieldShowsLineBreaksAsSpaces() { QCOMPARE(DrawnEntry("12\r\n3\n4"), DrawnEntry("12  3 4")); }

  // Each row in sight shows its own texts, in the view the tape shows it.
  void PaintsEachRowFromTheTape_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("formatted");
    for (const int row : {0, 3, 8}) {
      QTest::addRow("row %d, entry", row) << row << false;
      QTest::addRow("row %d, value", row) << row << true;
    }
  }
  void PaintsEachRowFromTheTape() {
    QFETCH(int, row);
    QFETCH(bool, formatted);
    for (int each = 0; each <= tape_.LastRow(); ++each) {
      tape_.SetFormattedText(each, "$ " + std::to_string(each * 11));
      tape_.SetEntryVisible(each, !formatted);
      tape_.SetFormattedVisible(each, formatted);
    }
    view_->ShowRows(0, tape_.LastRow());
    const RowPart part = formatted ? RowPart::Value : RowPart::Entry;
    const QRect place = view_->PixelRect(row, part);
    QImage expected(place.size(), QImage::Format_RGB32);
    QPainter painter(&expected);
    if (formatted) {
      PaintValue(painter, expected.rect(), view_->Fonts().value, tape_.FormattedText(row));
    } else {
      PaintEntry(painter, expected.rect(), view_->Fonts().entry, tape_.OperandText(row));
    }
    painter.end();
    // The operator button, painted above the value, covers the value's left edge.
    const int covered =
        std::max(view_->PixelRect(row, RowPart::OperatorButton).right() - place.left() + 1, 0);
    QCOMPARE(view_->grab(place.adjusted(covered, 0, 0, 0))
                 .toImage()
                 .convertToFormat(QImage::Format_RGB32),
             expected.copy(expected.rect().adjusted(covered, 0, 0, 0)));
  }

  void RepaintsOnlyTheChangedRow() {
    QCoreApplication::processEvents();
    PaintRecorder recorder(view_.get());
    tape_.SetOperandText(4, "1234");
    view_->ShowRows(4, 4);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QVERIFY(recorder.painted.contains(view_->PixelRect(4, RowPart::Entry)));
    for (const int row : {3, 5})
      QVERIFY(!recorder.painted.intersects(view_->PixelRect(row, RowPart::Entry)));
  }

  void ClickGoesToTheButtonUnderThePointer_data() {
    QTest::addColumn<int>("pressRow");
    QTest::addColumn<int>("releaseRow");
    QTest::addColumn<int>("clicked");  // the row the handler heard, or -1
    QTest::newRow("press and release on row 2") << 2 << 2 << 2;
    QTest::newRow("released on another row") << 2 << 3 << -1;
    QTest::newRow("row 0 has no button") << 0 << 0 << -1;
  }
  void ClickGoesToTheButtonUnderThePointer() {
    QFETCH(int, pressRow);
    QFETCH(int, releaseRow);
    QFETCH(int, clicked);
    const QPoint press = view_->PixelRect(pressRow, RowPart::OperatorButton).center();
    const QPoint release = view_->PixelRect(releaseRow, RowPart::OperatorButton).center();
    QTest::mousePress(view_.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(view_.get(), release);
    QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, release);
    QCOMPARE(clicked_, clicked);
  }

  void ButtonRemovedWhileHeldIsNoClick() {
    const QPoint centre = view_->PixelRect(3, RowPart::OperatorButton).center();
    QTest::mousePress(view_.get(), Qt::LeftButton, {}, centre);
    tape_.RemoveRowsFrom(2);
    view_->ShowRows(2, 1);
    QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, centre);
    QCOMPARE(clicked_, -1);
  }

 private:
  MemoryTape tape_;
  std::unique_ptr<TapeView> view_;
  int clicked_ = -1;
};

}  // namespace cinta

QTEST_MAIN(cinta::TapeViewTest)
#include "TapeViewTest.moc"
