// SPDX-License-Identifier: MIT
#include <QPainter>
#include <QtTest>
#include <vector>

#include "controls/Fonts.h"
#include "controls/TapeViewport.h"
#include "controls/WindowlessArray.h"
#include "controls/WindowlessContainer.h"
#include "controls/WindowlessControls.h"

namespace cinta {
namespace {

// A windowless control that counts how often it is painted.
class CountingControl : public WindowlessControl {
 public:
  explicit CountingControl(const TwipsRect& place) : WindowlessControl(place) {}
  void Paint(QPainter&, const QRect&, bool) const override { ++paints; }
  bool TakesMouse() const override { return false; }
  static inline int paints = 0;
};

constexpr int kStep = 665;  // rows one step apart, as on the tape

// Rows at Top 665 * i inside a container that starts at the viewport's top edge.
template <class T>
void LoadRows(WindowlessArray<T>& array, int count) {
  for (int i = 1; i < count; ++i) {
    T& member = array.Append();
    member.SetTop(kStep * i);
    member.SetVisible(true);
  }
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

// `text` as a row's entry field draws it: the field's size and font, aligned as asked.
QImage DrawnRowField(const std::string& text, Qt::Alignment alignment) {
  WindowlessTextBox field({0, 0, 3975, 585}, ControlFont("Arial", 21.75, kBold), alignment);
  field.SetText(text);
  QImage image(265, 39, QImage::Format_RGB32);
  QPainter painter(&image);
  field.Paint(painter, image.rect(), false);
  return image;
}

}  // namespace

class WindowlessTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    container_ = std::make_unique<WindowlessContainer>();
    container_->Move({0, 0, 6000, 1000000});
    view_ = std::make_unique<TapeViewport>(nullptr, *container_);
    view_->Move({0, 0, 6000, 6000});
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
  }
  void cleanup() {
    view_.reset();
    container_.reset();
  }

  void LoadCopiesMemberZeroHidden() {
    WindowlessArray<WindowlessLabel> labels;
    WindowlessLabel first({240, 500, 375, 375}, ControlFont("Arial", 14.25, kBold), Qt::AlignRight);
    first.SetText("rowValues");
    first.SetBackColor(QColor(192, 255, 192));
    first.SetForeColor(QColor(0, 0, 192));
    labels.Add(first);
    const WindowlessLabel& copy = labels.Append();
    QCOMPARE(labels.Count(), 2);
    QVERIFY(!copy.Visible());
    QVERIFY(labels(0).Visible());
    QCOMPARE(copy.Text(), std::string("rowValues"));
    QCOMPARE(copy.BackColor(), std::optional<QColor>(QColor(192, 255, 192)));
    QCOMPARE(copy.ForeColor(), QColor(0, 0, 192));
    QCOMPARE(copy.Font(), labels(0).Font());
    QCOMPARE(copy.Alignment(), Qt::Alignment(Qt::AlignRight));
    QCOMPARE(copy.Left(), 240);
    QCOMPARE(copy.Top(), 500);
    QCOMPARE(copy.Width(), 375);
    QCOMPARE(copy.Height(), 375);
  }

  void MembersKeepTheirPlaceAcrossAppendsAndRemovals() {
    WindowlessArray<WindowlessTextBox> fields;
    fields.Add(WindowlessTextBox({0, 0, 100, 100}, QFont(), Qt::AlignRight));
    fields.Append().SetText("one");
    const WindowlessTextBox* one = &fields(1);
    for (int i = 0; i < 5000; ++i) fields.Append().SetText(std::to_string(i));
    QCOMPARE(&fields(1), one);
    QCOMPARE(fields(1).Text(), std::string("one"));
    QCOMPARE(fields(4000).Text(), std::string("3998"));
    fields.RemoveFrom(1500);
    QCOMPARE(fields.Count(), 1500);
    QCOMPARE(fields(1499).Text(), std::string("1497"));
    fields.RemoveLast();
    QCOMPARE(fields.Count(), 1499);
    // The next member is again a fresh copy of member 0, across a chunk boundary.
    for (int i = 0; i < 2000; ++i) fields.Append();
    QCOMPARE(fields.Count(), 3499);
    QCOMPARE(fields(3000).Text(), std::string());
    QVERIFY(!fields(3000).Visible());
    fields.RemoveFrom(1);
    QCOMPARE(fields.Count(), 1);
    QCOMPARE(&fields(0), &fields(0));
  }

  void MembersBetweenFindsTheRowsInABand_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    // Rows of 615 twips every 665: row i covers [665 i, 665 i + 615).
    QTest::newRow("inside one row") << kStep * 100 + 10 << kStep * 100 + 20 << 100 << 101;
    QTest::newRow("in the gap between rows")
        << kStep * 100 + 620 << kStep * 100 + 660 << 101 << 101;
    QTest::newRow("touching a row's bottom edge") << kStep * 100 + 615 << kStep * 101 << 101 << 101;
    QTest::newRow("several rows") << kStep * 100 << kStep * 105 + 1 << 100 << 106;
    QTest::newRow("above every row") << -5000 << -10 << 0 << 0;
    QTest::newRow("below every row") << kStep * 20000 << kStep * 20001 << 10000 << 10000;
    QTest::newRow("everything") << -5000 << kStep * 20000 << 0 << 10000;
  }
  void MembersBetweenFindsTheRowsInABand() {
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, first);
    QFETCH(int, last);
    WindowlessArray<WindowlessButton> buttons;
    buttons.Add(WindowlessButton({0, 0, 615, 615}, Qt::white));
    LoadRows(buttons, 10000);
    QCOMPARE(buttons.MembersBetween(top, bottom), std::make_pair(first, last));
  }

  void PaintsOnlyTheRowsInView() {
    WindowlessArray<CountingControl> rows;
    rows.Add(CountingControl({0, 0, 6000, 615}));
    container_->AddLayer(rows);
    LoadRows(rows, 20000);
    rows(5).SetVisible(false);
    // Rows 3 to 12 meet the 6000-twip viewport, row 12 by its top 15 twips; row 5 is hidden.
    container_->SetTop(-kStep * 3);
    CountingControl::paints = 0;
    view_->repaint();
    QCOMPARE(CountingControl::paints, 9);
  }

  void RepaintsOnlyTheChangedRow() {
    WindowlessArray<WindowlessTextBox> fields;
    fields.Add(WindowlessTextBox({300, 0, 3000, 585}, QFont(), Qt::AlignRight));
    container_->AddLayer(fields);
    LoadRows(fields, 20);
    QCoreApplication::processEvents();
    PaintRecorder recorder(view_.get());
    fields(4).SetText("1234");
    fields(40 / 4).SetText("");  // unchanged: no repaint
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted, QRegion(container_->PixelRect(fields(4))));
  }

  // A text too wide for its field shows its beginning; one that fits keeps the alignment.
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
    QCOMPARE(DrawnRowField(text.toStdString(), Qt::AlignRight) ==
                 DrawnRowField(text.toStdString(), Qt::AlignLeft),
             showsItsStart);
  }

  // A pasted text may hold line breaks: the one-line field shows them as spaces, as its
  // editor does, instead of one of the lines cut by the field's edges.
  void FieldShowsLineBreaksAsSpaces() {
    QCOMPARE(DrawnRowField("12\r\n3\n4", Qt::AlignRight), DrawnRowField("12  3 4", Qt::AlignRight));
  }

  void ClickGoesToTheButtonUnderThePointer_data() {
    QTest::addColumn<int>("pressRow");
    QTest::addColumn<int>("releaseRow");
    QTest::addColumn<bool>("hideFirst");
    QTest::addColumn<int>("clicked");  // the index the handler heard, or -1
    QTest::newRow("press and release on row 2") << 2 << 2 << false << 2;
    QTest::newRow("released on another row") << 2 << 3 << false << -1;
    QTest::newRow("hidden button") << 2 << 2 << true << -1;
    QTest::newRow("through a label lying over it") << 6 << 6 << false << 6;
  }
  void ClickGoesToTheButtonUnderThePointer() {
    QFETCH(int, pressRow);
    QFETCH(int, releaseRow);
    QFETCH(bool, hideFirst);
    QFETCH(int, clicked);
    WindowlessArray<WindowlessButton> buttons;
    buttons.Add(WindowlessButton({0, 0, 615, 615}, Qt::white));
    WindowlessArray<WindowlessLabel> labels;
    labels.Add(WindowlessLabel({0, kStep * 6, 3000, 615}, QFont(), Qt::AlignLeft));
    container_->AddLayer(buttons);
    container_->AddLayer(labels);
    LoadRows(buttons, 10);
    buttons(2).SetVisible(!hideFirst);
    int heard = -1;
    buttons.SetClickHandler([&heard](int index) { heard = index; });
    QTest::mousePress(view_.get(), Qt::LeftButton, {},
                      container_->PixelRect(buttons(pressRow)).center());
    QTest::mouseMove(view_.get(), container_->PixelRect(buttons(releaseRow)).center());
    QTest::mouseRelease(view_.get(), Qt::LeftButton, {},
                        container_->PixelRect(buttons(releaseRow)).center());
    QCOMPARE(heard, clicked);
  }

  void ButtonRemovedWhileHeldIsNoClick() {
    WindowlessArray<WindowlessButton> buttons;
    buttons.Add(WindowlessButton({0, 0, 615, 615}, Qt::white));
    container_->AddLayer(buttons);
    LoadRows(buttons, 5);
    int heard = -1;
    buttons.SetClickHandler([&heard](int index) { heard = index; });
    const QPoint centre = container_->PixelRect(buttons(3)).center();
    QTest::mousePress(view_.get(), Qt::LeftButton, {}, centre);
    buttons.RemoveFrom(2);
    QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, centre);
    QCOMPARE(heard, -1);
  }

 private:
  std::unique_ptr<WindowlessContainer> container_;
  std::unique_ptr<TapeViewport> view_;
};

}  // namespace cinta

QTEST_MAIN(cinta::WindowlessTest)
#include "WindowlessTest.moc"
