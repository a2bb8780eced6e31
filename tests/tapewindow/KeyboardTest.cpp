// SPDX-License-Identifier: MIT
#include <QtTest>
#include <filesystem>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

// One key of the physical keyboard.
struct Stroke {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

}  // namespace
}  // namespace cinta

Q_DECLARE_METATYPE(cinta::Stroke)

namespace cinta {
namespace {

// Types `text` and then `strokes` into whatever has the focus, as the keyboard would.
void Type(const QString& text, const QList<Stroke>& strokes = {}) {
  for (const QChar character : text) {
    QTest::keyClick(QApplication::focusWidget(), character.toLatin1());
  }
  for (const Stroke& stroke : strokes) {
    QTest::keyClick(QApplication::focusWidget(), stroke.key, stroke.modifiers);
  }
}

// What the user sees of a tape.
QString TapeState(const TapeWindow& window) {
  return QString::fromStdString(RowTexts(window)) + " = " + window.resultBox->Text() + " / " +
         window.formattedResult->Text() +
         (window.tapeView->Shows(0, RowPart::Entry) ? " edit" : " formatted");
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    std::filesystem::remove_all(folder_.Path() / "operacion.txt");
    typed_ = OpenWindow(folder_);
    // The focus starts on a key, where typing reaches the window.
    typed_->digitKeys(0).setFocus();
  }
  void cleanup() { typed_.reset(); }

  // Each row types on one window and clicks the same keys with the mouse on another.
  void KeysPressTheSameOnScreenKeys_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Stroke>>("strokes");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("rows");
    QTest::newRow("digits, decimal point and sum") << "12.5+3" << QList<Stroke>{} << "12,5+3"
                                                   << "12.5|3";
    QTest::newRow("comma is the decimal key too") << "0,25*4" << QList<Stroke>{} << "0,25*4"
                                                  << "0.25|4";
    QTest::newRow("minus, divide, power and per cent")
        << "9-1/2^3%" << QList<Stroke>{} << "9-1/2^3%"
        << "9|1|2|3|";
    QTest::newRow("numeric keypad") << ""
                                    << QList<Stroke>{{Qt::Key_7, Qt::KeypadModifier},
                                                     {Qt::Key_Plus, Qt::KeypadModifier},
                                                     {Qt::Key_2, Qt::KeypadModifier},
                                                     {Qt::Key_Period, Qt::KeypadModifier},
                                                     {Qt::Key_5, Qt::KeypadModifier}}
                                    << "7+2,5"
                                    << "7|2.5";
    QTest::newRow("backspace") << "1234" << QList<Stroke>{{Qt::Key_Backspace}} << "1234<"
                               << "123";
    QTest::newRow("enter and equals") << "6+" << QList<Stroke>{{Qt::Key_Return}} << "6+="
                                      << "";
    QTest::newRow("keypad enter") << "6+" << QList<Stroke>{{Qt::Key_Enter, Qt::KeypadModifier}}
                                  << "6+="
                                  << "";
    QTest::newRow("equals sign") << "6+=" << QList<Stroke>{} << "6+="
                                 << "";
    QTest::newRow("letters and control keys press nothing")
        << "5xa" << QList<Stroke>{{Qt::Key_A, Qt::ControlModifier}, {Qt::Key_F1}} << "5"
        << "5";
  }
  void KeysPressTheSameOnScreenKeys() {
    QFETCH(QString, typed);
    QFETCH(QList<Stroke>, strokes);
    QFETCH(QString, clicked);
    QFETCH(QString, rows);
    Type(typed, strokes);
    const std::unique_ptr<TapeWindow> mouse = OpenWindow(folder_);
    PressKeys(*mouse, clicked.toStdString());
    QCOMPARE(TapeState(*typed_), TapeState(*mouse));
    if (!rows.isEmpty()) QCOMPARE(QString::fromStdString(RowTexts(*typed_)), rows);
  }

  void ClearKeysAreEscapeAndDelete() {
    TapeWindow& w = *typed_;
    Type("4+5", {{Qt::Key_Delete}});
    const std::unique_ptr<TapeWindow> mouse = OpenWindow(folder_);
    PressKeys(*mouse, "4+5");
    QTest::mouseClick(mouse->clearEntryKey, Qt::LeftButton);
    QCOMPARE(TapeState(w), TapeState(*mouse));
    // Back to the typed window, which the second one took the keyboard from.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.digitKeys(0).setFocus();
    Type("", {{Qt::Key_Escape}});
    QTest::mouseClick(mouse->clearKey, Qt::LeftButton);
    QCOMPARE(TapeState(w), TapeState(*mouse));
    QCOMPARE(w.previousResults->isVisible(), mouse->previousResults->isVisible());
    QCOMPARE(w.previousResults->currentText(), mouse->previousResults->currentText());
  }

  // Escape closes an open palette and leaves the tape and the list alone; pressed again, it
  // clears as usual.
  void EscapeFirstClosesThePalette() {
    TapeWindow& w = *typed_;
    Type("4+5");
    w.OpenPalette(1);
    QVERIFY(w.operatorPalette->isVisible());
    w.paletteKeys(3).setFocus();
    Type("", {{Qt::Key_Escape}});
    QVERIFY(!w.operatorPalette->isVisible());
    QCOMPARE(TapeState(w), QStringLiteral("4|5 = 9 /  edit"));
    QCOMPARE(w.Tape().RowOperator(1), OperatorCode::Add);
    QVERIFY(!w.previousResults->isVisible());
    Type("", {{Qt::Key_Escape}});
    QCOMPARE(w.LastRow(), 0);
    QVERIFY(w.previousResults->isVisible());
  }

  // However the palette closes, the keyboard focus must not land on the close key, where the
  // space bar would end the program and lose the tape.
  void ClosingThePaletteKeepsTheFocusOffTheCloseKey_data() {
    QTest::addColumn<bool>("byChoice");
    QTest::newRow("operator chosen with the mouse") << true;
    QTest::newRow("Escape on a palette key reached with Tab") << false;
  }
  void ClosingThePaletteKeepsTheFocusOffTheCloseKey() {
    QFETCH(bool, byChoice);
    TapeWindow& w = *typed_;
    Type("4+5");
    w.OpenPalette(1);
    QVERIFY(w.operatorPalette->isVisible());
    if (byChoice) {
      QTest::mouseClick(&w.paletteKeys(2), Qt::LeftButton);
    } else {
      w.paletteKeys(11).setFocus(Qt::TabFocusReason);
      Type("", {{Qt::Key_Escape}});
    }
    QVERIFY(!w.operatorPalette->isVisible());
    QVERIFY(QApplication::focusWidget() != w.quitKey);
    QSignalSpy closeKey(w.quitKey, &QAbstractButton::clicked);
    Type(" 7");
    QCOMPARE(closeKey.count(), 0);
    QCOMPARE(RowTexts(w), std::string("4|57"));
    QCOMPARE(w.resultBox->Text(), byChoice ? QStringLiteral("228") : QStringLiteral("61"));
  }

  // The result box takes no typing, so the keys typed there press the keypad.
  void KeysTypedInTheResultBoxPressTheKeypad() {
    TapeWindow& w = *typed_;
    Type("8");
    w.resultBox->setFocus();
    w.resultBox->selectAll();
    Type("3+4");
    QCOMPARE(RowTexts(w), std::string("83|4"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("87"));
  }

  void ControlSSaves() {
    TapeWindow& w = *typed_;
    Type("2+2");
    bool viewerOpened = false;
    QTimer::singleShot(0, &w, [&] {
      // The viewer opens modally, so this runs inside its event loop.
      QWidget* viewer = QApplication::activeModalWidget();
      viewerOpened = viewer != nullptr;
      if (viewerOpened) viewer->close();
    });
    Type("", {{Qt::Key_S, Qt::ControlModifier}});
    QVERIFY(viewerOpened);
    QVERIFY(std::filesystem::is_regular_file(folder_.Path() / "operacion.txt"));
    QCOMPARE(RowTexts(w), std::string("2|2"));
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> typed_;
};

int RunKeyboardTest(int argc, char** argv) {
  KeyboardTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "KeyboardTest.moc"
