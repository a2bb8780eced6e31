// SPDX-License-Identifier: MIT
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"
#include "tapeview/RowEditor.h"

namespace cinta {

// Typing into a row's entry field: a click opens the line editor over it, and what is typed is
// the row's text at once, and counts at once.
class RowEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  void TypedTextIsTheRowTextAndCounts() {
    TapeWindow& w = *window_;
    PressKeys(w, "4+");
    RowEditor& editor = OpenEditorOn(1);
    QCOMPARE(editor.geometry(), w.tapeView->PixelRect(1, RowPart::Entry).adjusted(1, 1, -1, -1));
    QCOMPARE(editor.font(), w.tapeView->Fonts().entry);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    QCOMPARE(w.Tape().OperandText(1), std::string("12"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("16"));
    // The digit key takes the focus, so the editor goes; the digit joins the typed text.
    PressKeys(w, "3");
    QVERIFY(!editor.isVisible());
    QCOMPARE(w.Tape().OperandText(1), std::string("123"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("127"));
  }

  // From the tape, Tab enters the entry field of the row being typed, then goes on to the keys.
  void TabEntersTheCurrentRowsField_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("row");  // -1: the field is not entered
    QTest::addColumn<QString>("typed");
    QTest::newRow("the only row") << QString() << 0 << QStringLiteral("7");
    QTest::newRow("the last of three rows") << QStringLiteral("4+5-") << 2 << QStringLiteral("7");
    QTest::newRow("after the text it holds") << QStringLiteral("4+5") << 1 << QStringLiteral("57");
    QTest::newRow("formatted view: no fields") << QStringLiteral("4+5a") << -1 << QString();
    QTest::newRow("scrolled out of view") << QStringLiteral("4+5vvvvvvvvvv") << -1 << QString();
  }
  void TabEntersTheCurrentRowsField() {
    QFETCH(QString, keys);
    QFETCH(int, row);
    QFETCH(QString, typed);
    TapeWindow& w = *window_;
    for (const QChar key : keys) {
      if (key == QLatin1Char('v')) {
        w.scrollDownKey->click();
      } else {
        PressKeys(w, QString(key).toStdString());
      }
    }
    w.tapeView->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.tapeView, Qt::Key_Tab);
    RowEditor& editor = w.tapeView->Editor();
    if (row < 0) {
      QVERIFY(!editor.isVisible());
      QCOMPARE(QApplication::focusWidget(), &w.digitKeys(0));
      return;
    }
    QCOMPARE(QApplication::focusWidget(), &editor);
    QCOMPARE(editor.geometry(), w.tapeView->PixelRect(row, RowPart::Entry).adjusted(1, 1, -1, -1));
    QTest::keyClicks(&editor, "7");
    QCOMPARE(QString::fromStdString(w.Tape().OperandText(row)), typed);
    QTest::keyClick(&editor, Qt::Key_Tab);
    QVERIFY(!editor.isVisible());
    QCOMPARE(QApplication::focusWidget(), &w.digitKeys(0));
    // And back: Shift+Tab from the first key returns to the tape.
    QTest::keyClick(&w.digitKeys(0), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.tapeView);
  }

  // The keyboard's comma and the keypad's decimal key, whichever character its layout gives,
  // type the "." of number texts into a row, as the on-screen comma key writes it; otherwise
  // the row would read as 2 and the total be wrong. The result box takes no typing: the key
  // presses the keypad's decimal key, which the row's point already has.
  void DecimalKeysTypeThePointOfNumberTexts_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("typed");
    QTest::newRow("keyboard comma") << int(Qt::Key_Comma) << false << ",";
    QTest::newRow("keypad key giving a comma") << int(Qt::Key_Comma) << true << ",";
    QTest::newRow("keypad key giving a point") << int(Qt::Key_Period) << true << ".";
    QTest::newRow("keyboard full stop") << int(Qt::Key_Period) << false << ".";
  }
  void DecimalKeysTypeThePointOfNumberTexts() {
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, typed);
    TapeWindow& w = *window_;
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    PressKeys(w, "4+");
    OpenEditorOn(1);
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClicks(editor, "2");
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key(key), typed, modifiers);
    QTest::keyClicks(editor, "5");
    QCOMPARE(w.Tape().OperandText(1), std::string("2.5"));
    PressKeys(w, "=");
    QCOMPARE(w.resultBox->Text(), QStringLiteral("6.5"));
    w.resultBox->setFocus();
    w.resultBox->end(false);
    QTest::sendKeyEvent(QTest::Click, w.resultBox, Qt::Key(key), typed, modifiers);
    QCOMPARE(w.resultBox->Text(), QStringLiteral("6.5"));
  }

  void EditingAnEarlierRowKeepsTheCurrentRow() {
    TapeWindow& w = *window_;
    PressKeys(w, "4+5");
    OpenEditorOn(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), "0");
    PressKeys(w, "=");
    QCOMPARE(QString::fromStdString(RowTexts(w)), QStringLiteral("40|5"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("45"));
  }

  // The calculator's keys typed into a row end its edit and act as keys; the rest of the keyboard
  // types only what the number keys make. "\n" is Enter, "\x1b" Escape.
  void KeysTypedIntoARow_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("result");
    QTest::newRow("an operator opens a row") << "12+3"
                                             << "00+4"
                                             << "12|300|4"
                                             << "316";
    QTest::newRow("a minus in an empty entry") << "12+"
                                               << "-5"
                                               << "12|-5"
                                               << "7";
    QTest::newRow("a minus after digits") << "12+"
                                          << "5-2"
                                          << "12|5|2"
                                          << "15";
    QTest::newRow("enter evaluates and leaves") << "12+3"
                                                << "0\n*2\n"
                                                << "12|30|2"
                                                << "84";
    QTest::newRow("escape only leaves") << "12+3"
                                        << "0\x1b"
                                        << "12|30"
                                        << "42";
    QTest::newRow("what no key makes") << "12+3"
                                       << "a\u20ac1e5"
                                       << "12|315"
                                       << "327";
  }
  void KeysTypedIntoARow() {
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(QString, rows);
    QFETCH(QString, result);
    TapeWindow& w = *window_;
    PressKeys(w, keys.toStdString());
    QTest::keyClick(&OpenEditorOn(w.LastRow()), Qt::Key_End);
    for (const QChar c : typed) {
      QWidget* focus = QApplication::focusWidget();
      if (c == u'\n') {
        QTest::keyClick(focus, Qt::Key_Return);
      } else if (c == u'\x1b') {
        QTest::keyClick(focus, Qt::Key_Escape);
      } else {
        // Sent as the text a keyboard layout gives, so that any character can be typed.
        QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
    QCOMPARE(QString::fromStdString(RowTexts(w)), rows);
    QCOMPARE(w.resultBox->Text(), result);
    QVERIFY(!w.tapeView->Editor().isVisible() || typed.back().isDigit());
  }

  void EditorFollowsTextsWrittenByTheCore() {
    TapeWindow& w = *window_;
    PressKeys(w, "9r");
    RowEditor& editor = OpenEditorOn(1);
    // A unary row's text is rewritten by every evaluation, typing's own included; the open
    // editor shows it.
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QCOMPARE(w.Tape().OperandText(1), std::string("9"));
    QCOMPARE(editor.text(), QStringLiteral("9"));
  }

  void EditorGoesWhenItsRowIsHiddenOrGone() {
    TapeWindow& w = *window_;
    PressKeys(w, "4");
    RowEditor& editor = OpenEditorOn(0);
    w.PressFormat(FormatMode::TwoDecimals);
    QVERIFY(!editor.isVisible());
    w.PressFormat(FormatMode::EditView);
    PressKeys(w, "+");
    OpenEditorOn(1);
    w.PressClearEntry();
    QVERIFY(!editor.isVisible());
  }

  void EditorGoesWhenItsRowIsScrolledAway() {
    TapeWindow& w = *window_;
    RowEditor& editor = OpenEditorOn(0);
    w.PressScrollDown();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.geometry(), w.tapeView->PixelRect(0, RowPart::Entry).adjusted(1, 1, -1, -1));
    TwipsRect canvas = w.tapeView->Canvas();
    canvas.top = -40000;
    w.tapeView->MoveCanvas(canvas);
    QVERIFY(!editor.isVisible());
  }

  void PaletteLiesAboveTheRows() {
    TapeWindow& w = *window_;
    w.operatorPalette->SetVisible(true);
    const QPoint inPalette = w.operatorPalette->geometry().center();
    QCOMPARE(w.tapeView->childAt(inPalette), static_cast<QWidget*>(w.operatorPalette));
    OpenEditorOn(0);
    QVERIFY(w.tapeView->childAt(inPalette) != &w.tapeView->Editor());
  }

 private:
  RowEditor& OpenEditorOn(int row) {
    TapeWindow& w = *window_;
    QTest::mouseClick(w.tapeView, Qt::LeftButton, {}, CentreInViewport(w, row, RowPart::Entry));
    RowEditor& editor = w.tapeView->Editor();
    if (!editor.isVisible() || QApplication::focusWidget() != &editor)
      qFatal("no editor opened on row %d", row);
    return editor;
  }

  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunRowEditorTest(int argc, char** argv) {
  RowEditorTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "RowEditorTest.moc"
