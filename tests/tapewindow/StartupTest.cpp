// SPDX-License-Identifier: MIT
#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>
#include <QtTest>
#include <algorithm>
#include <optional>
#include <utility>

#include "Suites.h"
#include "recovery/RecoveryFile.h"
#include "support/KeyFaces.h"
#include "support/TabWalk.h"
#include "support/WindowHarness.h"
#include "tapeview/RowEditor.h"
#include "tapewindow/Centring.h"
#include "tapewindow/RecoverySlot.h"
#include "viewer/ReportViewer.h"

namespace cinta {
namespace {

// A drag as Qt delivers it: the press goes to the control under the pointer that takes the
// mouse, and on to its containers while none accepts it; that control then holds the mouse, so
// the moves and the release go to it wherever the pointer is.
class Drag {
 public:
  Drag(TapeWindow& window, const QPoint& global, Qt::MouseButtons buttons)
      : buttons_(buttons), receiver_(window.Surface()) {
    QWidget* surface = window.Surface();
    if (QWidget* control = surface->childAt(surface->mapFromGlobal(global))) receiver_ = control;
    if (buttons_ != Qt::NoButton) {
      const auto first = Qt::MouseButton(buttons_.toInt() & -buttons_.toInt());
      Send(QEvent::MouseButtonPress, global, first, buttons_);
    }
  }
  void MoveTo(const QPoint& global) { Send(QEvent::MouseMove, global, Qt::NoButton, buttons_); }
  void Release(const QPoint& global) {
    if (buttons_ != Qt::NoButton) Send(QEvent::MouseButtonRelease, global, Qt::LeftButton, {});
    buttons_ = Qt::NoButton;
  }

 private:
  void Send(QEvent::Type type, const QPoint& global, Qt::MouseButton button,
            Qt::MouseButtons buttons) {
    QMouseEvent event(type, receiver_->mapFromGlobal(global), global, button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(receiver_, &event);
  }

  Qt::MouseButtons buttons_;
  QWidget* receiver_;
};

// The centre of `control` in global coordinates.
QPoint GlobalCentre(const QWidget* control) {
  return control->mapToGlobal(control->rect().center());
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  void CentringTruncatesTowardZero_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("position");
    QTest::newRow("1024 pixels wide") << 15360 << 12240 << 1560;
    QTest::newRow("768 pixels high, odd difference") << 11520 << 8175 << 1672;
    QTest::newRow("3 twips narrower than the window") << 12237 << 12240 << -1;
    QTest::newRow("much narrower, not clamped") << 9000 << 12240 << -1620;
    QTest::newRow("exactly the window") << 12240 << 12240 << 0;
  }
  void CentringTruncatesTowardZero() {
    QFETCH(int, screen);
    QFETCH(int, window);
    QFETCH(int, position);
    QCOMPARE(CentredPosition(screen, window), position);
  }

  // A thin frame around a surface of fixed size that cuts off no control.
  void WindowIsAFixedThinFramedSurface() {
    TapeWindow& w = *window_;
    QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w.Surface()->geometry(), w.rect().adjusted(1, 1, -1, -1));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    for (const QWidget* control : w.Surface()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      // The legend's images are never shown: they only hold the row buttons' pictures.
      if (control->objectName().startsWith("operatorLegend")) continue;
      QVERIFY2(w.Surface()->rect().contains(control->geometry()),
               qPrintable(control->objectName()));
    }
    QVERIFY(!w.windowIcon().isNull());
  }

  void FormLoadSetsTheStartState() {
    TapeWindow& w = *window_;
    // Row 0, the one typed into, stands whole in the tape's view.
    QVERIFY(w.tapeView->rect().contains(w.tapeView->PixelRect(0, RowPart::Entry)));
    QCOMPARE(w.Tape().RowOperator(0), OperatorCode::Add);
    QVERIFY(!w.aboutLines(0).Visible());
    QVERIFY(!w.aboutLines(1).Visible());
    QCOMPARE(w.LastRow(), 0);
    QVERIFY(w.tapeView->Shows(0, RowPart::Entry));
    QVERIFY(!w.tapeView->Shows(0, RowPart::OperatorButton));
    QVERIFY(!w.tapeView->Shows(0, RowPart::Number));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("0"));
    // formattedResult is shown but covered by the result box until the views are first switched.
    QVERIFY(w.formattedResult->Visible());
    QVERIFY(w.formattedResult->geometry().intersects(w.resultBox->geometry()));
    QVERIFY(w.Surface()->childAt(w.formattedResult->geometry().center()) == w.resultBox);
    QVERIFY(!w.previousResults->Visible());
    QCOMPARE(w.previousResults->currentText(), QStringLiteral("Resultados anteriores"));
    QVERIFY(!w.clearResultsKey->Visible());
    QVERIFY(!w.operatorPalette->Visible());
  }

  // The face the layout was drawn for, or its metric twin, and not a fallback that would change
  // every width; the combo box's edit field shows its text in the box's own font.
  void ControlsDrawTheirTextInTheLayoutFace_data() {
    QTest::addColumn<QString>("control");
    for (const char* control : {"previousResults", "previousResults field", "resultBox",
                                "formattedResult", "signKey", "formatKeys", "aboutLines"}) {
      QTest::newRow(control) << QString::fromLatin1(control);
    }
  }
  void ControlsDrawTheirTextInTheLayoutFace() {
    QFETCH(QString, control);
    TapeWindow& w = *window_;
    const QHash<QString, QWidget*> controls = {
        {"previousResults", w.previousResults},
        {"previousResults field", w.previousResults->lineEdit()},
        {"resultBox", w.resultBox},
        {"formattedResult", w.formattedResult},
        {"signKey", w.signKey},
        {"formatKeys", &w.formatKeys(2)},
        {"aboutLines", &w.aboutLines(0)}};
    const QString expected =
        QFontDatabase::hasFamily(QStringLiteral("Arial")) ? "Arial" : "Liberation Sans";
    QCOMPARE(QFontInfo(controls.value(control)->font()).family(), expected);
  }

  // Every caption a key shows fits inside its bevel.
  void TextsFitTheirControls() {
    TapeWindow& w = *window_;
    int captions = 0;
    for (const GraphicalButton* key : w.Surface()->findChildren<GraphicalButton*>()) {
      if (key->Text().isEmpty()) continue;
      ++captions;
      const QSize text = QFontMetrics(key->font()).size(Qt::TextSingleLine, key->Text());
      QVERIFY2(text.width() <= key->width() - 4 && text.height() <= key->height() - 4,
               qPrintable(key->objectName()));
    }
    QVERIFY(captions > 0);
  }

  // A key's picture blends with the face painted around it: no seam where its edge meets it.
  void PictureMarginsBlendWithTheirFaces() {
    const PictureMargins margins = CheckPictureMargins(window_->Surface());
    QVERIFY(margins.checked > 0);
    QVERIFY2(margins.seams.isEmpty(), qPrintable(margins.seams.join(QLatin1Char('\n'))));
  }

  // The about image's corners continue the background it lies on: it shows no edge.
  void AboutImageBlendsWithTheBackground() {
    const QImage about = window_->aboutImage->Picture().toImage();
    window_->aboutImage->hide();
    const QImage under = window_->Surface()->grab(window_->aboutImage->geometry()).toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(about.width() - 1, about.height() - 1)}) {
      const QColor a = about.pixelColor(corner), b = under.pixelColor(corner);
      // The background is a JPEG, which blurs its colours a little.
      for (const int d : {a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue()})
        QVERIFY(qAbs(d) <= 12);
    }
  }

  void AboutLinesToggle() {
    TapeWindow& w = *window_;
    QTest::mouseClick(w.aboutImage, Qt::LeftButton);
    QVERIFY(w.aboutLines(0).Visible());
    QVERIFY(w.aboutLines(1).Visible());
    const QString attribution = w.aboutLines(0).Text();
    const QString contact = w.aboutLines(1).Text();
    QVERIFY(attribution != QStringLiteral("aboutLines"));
    QVERIFY(contact.contains(QLatin1Char('@')));
    // Each line fits its label: a wrapped line would run into the one below.
    for (int line = 0; line < 2; ++line) {
      const Label& label = w.aboutLines(line);
      const int width = QFontMetrics(label.font()).horizontalAdvance(label.Text());
      QVERIFY2(width <= label.contentsRect().width(), qPrintable(label.Text()));
    }
    QTest::mouseClick(w.aboutImage, Qt::LeftButton);
    QVERIFY(!w.aboutLines(0).Visible());
    QVERIFY(!w.aboutLines(1).Visible());
    QTest::mouseClick(w.aboutImage, Qt::LeftButton);
    QVERIFY(w.aboutLines(0).Visible());
    QCOMPARE(w.aboutLines(0).Text(), attribution);
    QCOMPARE(w.aboutLines(1).Text(), contact);
  }

  // Where the window system offers no move of its own (as here), the window follows the
  // pointer until the button is released.
  void DragMovesOnlyWithTheLeftButtonAlone_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left button alone") << int(Qt::LeftButton) << true;
    QTest::newRow("right button") << int(Qt::RightButton) << false;
    QTest::newRow("left and right buttons") << int(Qt::LeftButton | Qt::RightButton) << false;
    QTest::newRow("middle button") << int(Qt::MiddleButton) << false;
    QTest::newRow("no button") << int(Qt::NoButton) << false;
  }
  void DragMovesOnlyWithTheLeftButtonAlone() {
    QFETCH(int, buttons);
    QFETCH(bool, moves);
    TapeWindow& w = *window_;
    const QPoint start = w.pos();
    const QPoint grip = w.Surface()->mapToGlobal(QPoint(200, 530));  // under the hidden about lines
    Drag drag(w, grip, Qt::MouseButtons(buttons));
    drag.MoveTo(grip);
    drag.MoveTo(grip + QPoint(30, 20));
    QCOMPARE(w.pos(), moves ? start + QPoint(30, 20) : start);
    // Moves after the button went up leave the window where it is.
    drag.Release(grip + QPoint(30, 20));
    const QPoint after = w.pos();
    drag.MoveTo(grip + QPoint(60, 60));
    QCOMPARE(w.pos(), after);
  }

  // The rule above the result takes no mouse events: a drag that starts on it moves the window
  // as the bare surface does.
  void RuleLetsTheWindowBeDragged() {
    TapeWindow& w = *window_;
    const QPoint start = w.pos();
    const QPoint grip = w.resultRule->mapToGlobal(w.resultRule->rect().center());
    Drag drag(w, grip, Qt::LeftButton);
    drag.MoveTo(grip);
    drag.MoveTo(grip + QPoint(30, 20));
    drag.Release(grip + QPoint(30, 20));
    QCOMPARE(w.pos(), start + QPoint(30, 20));
  }

  // A drag that starts on a control belongs to it, even where it goes on over the bare surface
  // or the control takes no clicks itself.
  void DragStartingOnAControlLeavesTheWindowWhereItIs_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("the empty top of the tape") << QStringLiteral("tapeView");
    QTest::newRow("the about image") << QStringLiteral("aboutImage");
    QTest::newRow("the formatted result") << QStringLiteral("formattedResult");
    QTest::newRow("an about line") << QStringLiteral("aboutLines");
    QTest::newRow("a number key") << QStringLiteral("digitKeys");
  }
  void DragStartingOnAControlLeavesTheWindowWhereItIs() {
    QFETCH(QString, control);
    TapeWindow& w = *window_;
    QPoint grip;
    if (control == "tapeView") {
      grip = w.tapeView->mapToGlobal(QPoint(w.tapeView->width() / 2, 10));
    } else if (control == "aboutImage") {
      grip = GlobalCentre(w.aboutImage);
    } else if (control == "formattedResult") {
      QTest::mouseClick(&w.formatKeys(0), Qt::LeftButton);
      QVERIFY(w.formattedResult->isVisible());
      grip = GlobalCentre(w.formattedResult);
    } else if (control == "aboutLines") {
      QTest::mouseClick(w.aboutImage, Qt::LeftButton);
      QVERIFY(w.aboutLines(0).isVisible());
      grip = GlobalCentre(&w.aboutLines(0));
    } else {
      grip = GlobalCentre(&w.digitKeys(5));
    }
    const QPoint bare = w.Surface()->mapToGlobal(QPoint(600, 40));  // above the tape
    const QPoint start = w.pos();
    Drag drag(w, grip, Qt::LeftButton);
    drag.MoveTo(grip + QPoint(3, 2));
    drag.MoveTo(bare);
    drag.MoveTo(bare + QPoint(30, 20));
    drag.Release(bare + QPoint(30, 20));
    QCOMPARE(w.pos(), start);
    // The next drag from the bare surface moves the window by the pointer's travel, and no more.
    Drag next(w, bare, Qt::LeftButton);
    next.MoveTo(bare);
    next.MoveTo(bare + QPoint(-40, 10));
    next.Release(bare + QPoint(-40, 10));
    QCOMPARE(w.pos(), start + QPoint(-40, 10));
  }

  // Tab from the tape walks every control the window shows exactly once, reaches the close key
  // only after all the others and comes back to the tape; hidden controls are passed over. The
  // palette, once open, is walked as it is read: left to right, row by row.
  void TabVisitsEveryShownControlOnceAndTheCloseKeyLast_data() {
    QTest::addColumn<bool>("paletteOpen");
    QTest::newRow("palette closed") << false;
    QTest::newRow("palette open") << true;
  }
  void TabVisitsEveryShownControlOnceAndTheCloseKeyLast() {
    QFETCH(bool, paletteOpen);
    TapeWindow& w = *window_;
    // The window opens with the focus on the tape.
    QCOMPARE(QApplication::focusWidget(), w.tapeView);
    if (paletteOpen) {
      PressKeys(w, "+");
      QTest::mouseClick(w.tapeView, Qt::LeftButton, {},
                        CentreInViewport(w, 1, RowPart::OperatorButton));
      QVERIFY(w.operatorPalette->isVisible());
      w.tapeView->setFocus(Qt::TabFocusReason);
    }
    // The row editor stands in for the field of the row being typed, which Tab opens.
    QSet<QWidget*> shown = TabStops(w);
    shown << &w.tapeView->Editor();
    const QList<QWidget*> visited = TabRound(w.tapeView, shown.size() + 1);
    QCOMPARE(visited.size(), shown.size());
    QCOMPARE(QSet<QWidget*>(visited.begin(), visited.end()), shown);
    QCOMPARE(visited.last(), w.tapeView);
    QCOMPARE(visited[visited.size() - 2], w.quitKey);
    QList<QWidget*> paletteKeys;
    for (QWidget* control : visited) {
      if (control->parentWidget() == w.operatorPalette) paletteKeys << control;
    }
    QList<QWidget*> readingOrder = paletteKeys;
    std::stable_sort(readingOrder.begin(), readingOrder.end(), [](QWidget* a, QWidget* b) {
      return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QCOMPARE(paletteKeys.size(), paletteOpen ? w.paletteKeys.Count() : 0);
    QCOMPARE(paletteKeys, readingOrder);
  }

  // The next start shows the tape as the window left it, unless it ended by a close key after
  // any save that succeeded; a damaged recovery file gives an empty tape. A tape brought back
  // stands with its last row where rows are entered, wherever the rows were scrolled to.
  void StartsWithTheTapeLeftUnlessEndedByACloseKey_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("saves");
    QTest::addColumn<bool>("kept");
    QTest::newRow("any other end: killed, logged out") << ""
                                                       << "" << true;
    QTest::newRow("close key") << "close key"
                               << "" << false;
    QTest::newRow("close key of the viewer") << "viewer"
                                             << "" << false;
    QTest::newRow("damaged file") << "damaged"
                                  << "" << false;
    QTest::newRow("close key after a failed save") << "close key"
                                                   << "failed" << true;
    QTest::newRow("close key of the failed save's viewer") << "viewer"
                                                           << "failed" << true;
    QTest::newRow("close key after a failed save and a good one") << "close key"
                                                                  << "failed, good" << false;
  }
  void StartsWithTheTapeLeftUnlessEndedByACloseKey() {
    QFETCH(QString, end);
    QFETCH(QString, saves);
    QFETCH(bool, kept);
    const QString empty = TapeContents(*window_);
    PressKeys(*window_, "5+3");
    QTest::mouseClick(window_->clearKey, Qt::LeftButton);
    PressKeys(*window_, "12*4,5a");
    const QRect entered = LastRowPlace(*window_);
    QTest::mouseClick(window_->scrollUpKey, Qt::LeftButton);
    // No report can replace a folder at its name.
    const std::filesystem::path log = folder_.Path() / "operacion.txt";
    if (saves.startsWith("failed")) std::filesystem::create_directory(log);
    if (end != "viewer" && !saves.isEmpty()) SaveAndCloseViewer(*window_);
    if (saves.endsWith("good")) {
      std::filesystem::remove(log);
      SaveAndCloseViewer(*window_);
    }
    const QString left = TapeContents(*window_);
    if (end == "close key") {
      QTest::mouseClick(window_->quitKey, Qt::LeftButton);
    } else if (end == "viewer") {
      QTimer::singleShot(0, window_.get(), [] {
        auto* viewer = dynamic_cast<ReportViewer*>(QApplication::activeModalWidget());
        QVERIFY(viewer != nullptr);
        QTest::mouseClick(viewer->quitKey, Qt::LeftButton);
      });
      QTest::mouseClick(window_->saveKey, Qt::LeftButton);
    }
    if (end == "close key" || end == "viewer") {
      // A close key ends every event loop running and each one started later, until the
      // application's own loop has run: run it for a moment, for the tests that follow.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      QCoreApplication::exec();
    }
    window_.reset();
    std::filesystem::remove_all(log);
    const std::filesystem::path file = RecoveryFilePath(folder_.Path());
    // Cut inside its first record, the whole tape.
    if (end == "damaged") std::filesystem::resize_file(file, 20);
    const TapeWindow next(folder_.Path());
    QCOMPARE(TapeContents(next), kept ? left : empty);
    if (kept) QCOMPARE(LastRowPlace(next), entered);
  }

  // Each window started in one folder keeps its tape in a file of its own: a second one starts
  // empty, after a crash of both each tape comes back, one per start, and a close key removes
  // only its own window's file.
  void WindowsInOneFolderKeepTheirOwnTapes() {
    window_.reset();
    const ProgramFolder folder;
    struct Started {
      std::unique_ptr<RecoverySlot> slot;
      std::unique_ptr<TapeWindow> window;
    };
    const auto start = [&folder] {
      Started started{std::make_unique<RecoverySlot>(folder.Path()), nullptr};
      started.window = std::make_unique<TapeWindow>(folder.Path(), started.slot->File());
      started.window->show();
      return started;
    };
    Started first = start();
    const QString empty = TapeSnapshot(*first.window);
    PressKeys(*first.window, "1+2+3+4+5");
    Started second = start();
    QCOMPARE(TapeSnapshot(*second.window), empty);
    PressKeys(*first.window, "*3,6");
    PressKeys(*second.window, "7-1");
    const QString firstTape = TapeSnapshot(*first.window);
    const QString secondTape = TapeSnapshot(*second.window);
    first = {};
    second = {};
    first = start();
    second = start();
    QCOMPARE(TapeSnapshot(*first.window), firstTape);
    QCOMPARE(TapeSnapshot(*second.window), secondTape);
    QTest::mouseClick(second.window->quitKey, Qt::LeftButton);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    second = {};
    first = {};
    first = start();
    second = start();
    QCOMPARE(TapeSnapshot(*first.window), firstTape);
    QCOMPARE(TapeSnapshot(*second.window), empty);
  }

  // While its recovery file cannot be written the window says so, and it tries again at the very
  // next key; a window that found every recovery file taken says so from the start.
  void SaysWhileTheTapeIsNotProtected() {
    window_.reset();
    const ProgramFolder folder;
    const std::filesystem::path missing = folder.Path() / "falta";
    TapeWindow window(folder.Path(), missing / "recuperacion.dat");
    window.show();
    QVERIFY(!window.unprotectedSign->isVisible());
    PressKeys(window, "5");
    QVERIFY(window.unprotectedSign->isVisible());
    QCOMPARE(window.unprotectedSign->toolTip(),
             QStringLiteral("La cinta no está protegida: no se puede escribir recuperacion.dat"));
    std::filesystem::create_directory(missing);
    PressKeys(window, "+");
    QVERIFY(!window.unprotectedSign->isVisible());
    QCOMPARE(TapeSnapshot(TapeWindow(folder.Path(), missing / "recuperacion.dat")),
             TapeSnapshot(window));

    std::vector<std::unique_ptr<RecoverySlot>> taken;
    while (taken.size() < std::size_t{kRecoveryFileCount}) {
      taken.push_back(std::make_unique<RecoverySlot>(folder.Path()));
      QVERIFY(!taken.back()->File().empty());
    }
    const RecoverySlot none(folder.Path());
    QVERIFY(none.File().empty());
    const TapeWindow crowded(folder.Path(), none.File());
    QVERIFY(!crowded.unprotectedSign->isHidden());
  }

  // A lock file left without its owner's details, by a window killed as it started or by a power
  // cut, does not keep the tape beside it from coming back; a running window's lock stays its own
  // however its file reads.
  void LocksLeftHalfWrittenDoNotHideTheTape() {
    window_.reset();
    const struct {
      const char* name;
      std::optional<QByteArray> lock;
      std::optional<QByteArray> removalLock;
      bool held;
    } cases[] = {
        {"empty lock", "", std::nullopt, false},
        {"lock cut after the process number", "4242\n", std::nullopt, false},
        {"empty removal lock beside an ended window's lock", "999999\ncinta\n\n", "", false},
        {"lock of a running window, read empty", std::nullopt, std::nullopt, true},
    };
    for (const auto& leftOver : cases) {
      const ProgramFolder folder;
      const std::filesystem::path tape = RecoveryFilePath(folder.Path());
      QVERIFY(QFile(tape).open(QIODevice::WriteOnly));
      const QString lockPath = QString::fromStdU16String(tape.u16string()) + ".lock";
      const auto leave = [](const QString& path, const std::optional<QByteArray>& bytes) {
        QFile file(path);
        QVERIFY(!bytes || (file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size()));
      };
      leave(lockPath, leftOver.lock);
      leave(lockPath + ".rmlock", leftOver.removalLock);
      QLockFile running(lockPath);
      if (leftOver.held) {
        QVERIFY(running.tryLock(0));
        // Where the system lets the file be emptied under its owner, the details are gone too.
        QFile(lockPath).resize(0);
      }
      QVERIFY2((RecoverySlot(folder.Path()).File() == tape) != leftOver.held, leftOver.name);
    }
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunStartupTest(int argc, char** argv) {
  StartupTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "StartupTest.moc"
