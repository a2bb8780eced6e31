// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"
#include "tapeview/RowEditor.h"

namespace cinta {
namespace {

// Presses `keys` as PressKeys does, with some more:
//   P the palette on the last row, choosing multiply  L the first previous result
//   T "5" typed into the last row  S scroll up
void Press(TapeWindow& window, const QString& keys) {
  for (const QChar key : keys) {
    switch (key.unicode()) {
      case 'P':
        QTest::mouseClick(window.tapeView, Qt::LeftButton, {},
                          CentreInViewport(window, window.LastRow(), RowPart::OperatorButton));
        QTest::mouseClick(&window.paletteKeys(2), Qt::LeftButton);
        break;
      case 'L':
        Pick(window, 0);
        break;
      case 'T':
        QTest::mouseClick(window.tapeView, Qt::LeftButton, {},
                          CentreInViewport(window, window.LastRow(), RowPart::Entry));
        QTest::keyClick(&window.tapeView->Editor(), '5');
        break;
      case 'S':
        QTest::mouseClick(window.scrollUpKey, Qt::LeftButton);
        break;
      default:
        PressKeys(window, std::string(1, static_cast<char>(key.unicode())));
    }
  }
}

// Ctrl+Z and the two redo keys, typed wherever the focus is, as the user does.
void Type(TapeWindow& window, Qt::KeyboardModifiers modifiers, Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &window, key, modifiers);
}
void Undo(TapeWindow& window) {
  Type(window, Qt::ControlModifier, Qt::Key_Z);
}

// The state without its last line, the list, which undo leaves as it is.
QString Tape(const TapeWindow& window) {
  const QString state = TapeSnapshot(window);
  return state.left(state.lastIndexOf('\n'));
}
QString List(const TapeWindow& window) {
  const QString state = TapeSnapshot(window);
  return state.mid(state.lastIndexOf('\n') + 1);
}

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // One row per key that changes the tape: each records its step, so Ctrl+Z gives back the tape
  // exactly as it was before it, whatever the focus, and Ctrl+Y and Ctrl+Shift+Z make it again.
  // The history's own rules are the core's to test.
  void UndoAndRedoEveryChange_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("change");
    QTest::newRow("digit") << "12+3"
                           << "7";
    QTest::newRow("comma") << "12"
                           << ",";
    QTest::newRow("sign") << "5"
                          << "~";
    QTest::newRow("backspace") << "123"
                               << "<";
    QTest::newRow("operator key") << "12"
                                  << "+";
    QTest::newRow("equals") << "5*"
                            << "=";
    QTest::newRow("palette choice") << "2+3+4"
                                    << "P";
    QTest::newRow("CE") << "2+3*4"
                        << "E";
    QTest::newRow("C after scrolling, in the formatted view") << "2+3*4SSzS"
                                                              << "C";
    QTest::newRow("pick from the list") << "8C5+3"
                                        << "L";
    QTest::newRow("typing into a row, undone from inside it") << "12+3"
                                                              << "T";
    QTest::newRow("digit, then format keys") << "2+3"
                                             << "7az";
  }
  void UndoAndRedoEveryChange() {
    QFETCH(QString, before);
    QFETCH(QString, change);
    TapeWindow& w = *window_;
    Press(w, before);
    const QString tapeBefore = Tape(w);
    Press(w, change);
    const QString tapeAfter = Tape(w);
    const QString list = List(w);
    QVERIFY(tapeAfter != tapeBefore);
    Undo(w);
    QCOMPARE(Tape(w), tapeBefore);
    QCOMPARE(List(w), list);
    Type(w, Qt::ControlModifier, Qt::Key_Y);
    QCOMPARE(Tape(w), tapeAfter);
    Undo(w);
    Type(w, Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    QCOMPARE(Tape(w), tapeAfter);
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunUndoTest(int argc, char** argv) {
  UndoTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "UndoTest.moc"
