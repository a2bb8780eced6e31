// SPDX-License-Identifier: MIT
#include <QAbstractItemView>
#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest>

#include "Suites.h"
#include "support/WindowHarness.h"

namespace cinta {
namespace {

void Click(QAbstractButton* key) {
  QTest::mouseClick(key, Qt::LeftButton);
}

void ClickC(TapeWindow& window) {
  Click(window.clearKey);
}

// Opens the palette with a click on the operator button of `row`, which must be in view.
void ClickRowOperator(TapeWindow& window, int row) {
  QTest::mouseClick(window.tapeView, Qt::LeftButton, {},
                    CentreInViewport(window, row, RowPart::OperatorButton));
}

QStringList Entries(const TapeWindow& window) {
  QStringList entries;
  for (int i = 0; i < window.previousResults->count(); ++i)
    entries << window.previousResults->itemText(i);
  return entries;
}

}  // namespace

class EditingKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = OpenWindow(folder_); }
  void cleanup() { window_.reset(); }

  // The entry picked reaches the core's rule, whose table holds its cases.
  void PickWithTheMouseOrTheArrowKeys_data() {
    QTest::addColumn<bool>("mouse");
    QTest::newRow("click on the open list") << true;
    QTest::newRow("arrow key on the closed list") << false;
  }
  void PickWithTheMouseOrTheArrowKeys() {
    QFETCH(bool, mouse);
    TapeWindow& w = *window_;
    PressKeys(w, "6");
    ClickC(w);
    PressKeys(w, "9");
    ClickC(w);
    PressKeys(w, "1+2");
    if (mouse) {
      w.previousResults->showPopup();
      QAbstractItemView* list = w.previousResults->view();
      const QModelIndex first = list->model()->index(0, 0);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    } else {
      // The list's current entry is the newest one, which its field shows; Up moves to the one
      // before it.
      w.previousResults->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    }
    QCOMPARE(QString::fromStdString(RowTexts(w)), QStringLiteral("1|6"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("7"));
  }

  // Qt counts a finished edit of the field whose text names an entry as a choice of it.
  void EditingTheListFieldPicksNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("finish");
    QTest::newRow("enter and leave the field") << QString() << int(Qt::Key_Tab);
    QTest::newRow("Return in the field") << QString() << int(Qt::Key_Return);
    QTest::newRow("an entry typed, then Return") << QStringLiteral("42") << int(Qt::Key_Return);
    QTest::newRow("an entry typed, then leave") << QStringLiteral("42") << int(Qt::Key_Tab);
    QTest::newRow("the start of an entry, then Return")
        << QStringLiteral("4") << int(Qt::Key_Return);
    QTest::newRow("the open list closed with Escape") << QString() << int(Qt::Key_Escape);
  }
  void EditingTheListFieldPicksNothing() {
    QFETCH(QString, typed);
    QFETCH(int, finish);
    TapeWindow& w = *window_;
    for (const char* result : {"6", "42", "9"}) {
      PressKeys(w, result);
      ClickC(w);
    }
    PressKeys(w, "1+2");
    w.previousResults->setFocus();
    QLineEdit* field = w.previousResults->lineEdit();
    if (!typed.isEmpty()) {
      field->clear();
      QTest::keyClicks(field, typed);
    }
    if (finish == Qt::Key_Escape) {
      w.previousResults->showPopup();
      QTest::keyClick(w.previousResults->view(), Qt::Key_Escape);
    } else {
      QTest::keyClick(field, Qt::Key(finish));
    }
    Click(&w.digitKeys(3));
    QCOMPARE(QString::fromStdString(RowTexts(w)), QStringLiteral("1|23"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("24"));
    QCOMPARE(Entries(w), QStringList({"6", "42", "9"}));
    // What the field shows is the list's, and the recovery file keeps it.
    QCOMPARE(QString::fromStdString(w.ResultsList().FieldText()), field->text());
  }

  // The wheel picks only in a box that has the focus; over the closed box it is a pointer
  // passing by, and must not replace the number being typed.
  void WheelPicksOnlyInTheFocusedList_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("result");
    QTest::newRow("the pointer passing over the box") << false << QStringLiteral("1|2") << "3";
    QTest::newRow("the box has the focus") << true << QStringLiteral("1|42") << "43";
  }
  void WheelPicksOnlyInTheFocusedList() {
    QFETCH(bool, focused);
    QFETCH(QString, rows);
    QFETCH(QString, result);
    TapeWindow& w = *window_;
    for (const char* entry : {"6", "42", "9"}) {
      PressKeys(w, entry);
      ClickC(w);
    }
    w.previousResults->setCurrentIndex(0);
    PressKeys(w, "1+2");
    if (focused) w.previousResults->setFocus();
    const QPointF centre = QRectF(w.previousResults->rect()).center();
    QWheelEvent turn(centre, w.previousResults->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.previousResults, &turn);
    QCOMPARE(QString::fromStdString(RowTexts(w)), rows);
    QCOMPARE(w.resultBox->Text(), result);
  }

  void EraserEmptiesTheListAndKeepsItShown() {
    TapeWindow& w = *window_;
    PressKeys(w, "9");
    ClickC(w);
    ClickC(w);
    Click(w.clearResultsKey);
    QCOMPARE(w.previousResults->count(), 0);
    QCOMPARE(w.previousResults->currentText(), QString());
    QVERIFY(w.previousResults->isVisible());
    QVERIFY(w.clearResultsKey->isVisible());
  }

  // A row's button clicks only if the pointer is still over it where it stands at the release;
  // keys pressed meanwhile can move the rows under the held mouse button.
  void HeldRowButtonClicksOnlyWhereItStands_data() {
    QTest::addColumn<QString>("keysWhileHeld");
    QTest::addColumn<bool>("opens");
    QTest::newRow("nothing moves") << QString() << true;
    QTest::newRow("a row added") << QStringLiteral("+") << false;
    QTest::newRow("scrolled one step") << QStringLiteral("v") << false;
    QTest::newRow("scrolled away and back") << QStringLiteral("v^") << true;
  }
  void HeldRowButtonClicksOnlyWhereItStands() {
    QFETCH(QString, keysWhileHeld);
    QFETCH(bool, opens);
    TapeWindow& w = *window_;
    PressKeys(w, "1+2+3+4");
    const QPoint grip = CentreInViewport(w, 2, RowPart::OperatorButton);
    QTest::mousePress(w.tapeView, Qt::LeftButton, {}, grip);
    for (const QChar key : keysWhileHeld) {
      if (key == QLatin1Char('v')) {
        w.scrollDownKey->click();
      } else if (key == QLatin1Char('^')) {
        w.scrollUpKey->click();
      } else {
        PressKeys(w, QString(key).toStdString());
      }
    }
    QTest::mouseRelease(w.tapeView, Qt::LeftButton, {}, grip);
    QCOMPARE(w.operatorPalette->isVisible(), opens);
    if (opens) QCOMPARE(w.PaletteRow(), 2);
  }

  void PaletteChangesTheRowItWasLastOpenedFor() {
    TapeWindow& w = *window_;
    PressKeys(w, "1+2+3+4+5+6");
    ClickRowOperator(w, 2);
    QVERIFY(w.operatorPalette->isVisible());
    ClickRowOperator(w, 5);
    Click(&w.paletteKeys(3));
    QVERIFY(!w.operatorPalette->isVisible());
    QCOMPARE(w.Tape().RowOperator(2), OperatorCode::Add);
    QCOMPARE(w.Tape().RowOperator(5), OperatorCode::Divide);
    QCOMPARE(w.tapeView->Face(5).toImage(), w.paletteKeys(3).Picture().toImage());
    QCOMPARE(w.resultBox->Text(), QStringLiteral("2.5"));
  }

  void PaletteStaysOpenUnderOtherKeys() {
    TapeWindow& w = *window_;
    PressKeys(w, "2+3");
    ClickRowOperator(w, 1);
    PressKeys(w, "4*5az=");
    Click(w.scrollUpKey);
    Click(w.scrollDownKey);
    QVERIFY(w.operatorPalette->isVisible());
  }

  void PaletteReachesRowsAbove255() {
    TapeWindow& w = *window_;
    for (int row = 0; row < 300; ++row) {
      w.PressDigit(1);
      w.PressOperator(OperatorCode::Add);
    }
    w.PressDigit(1);
    QCOMPARE(w.resultBox->Text(), QStringLiteral("301"));
    ClickRowOperator(w, 300);
    QCOMPARE(w.PaletteRow(), 300);
    Click(&w.paletteKeys(1));
    QCOMPARE(w.Tape().RowOperator(300), OperatorCode::Subtract);
    QCOMPARE(w.Tape().RowOperator(44), OperatorCode::Add);
    QCOMPARE(w.resultBox->Text(), QStringLiteral("299"));
  }

  void ScrollingMovesOneRowStepWithoutBound() {
    TapeWindow& w = *window_;
    PressKeys(w, "1+2");
    const int top = w.tapeView->Canvas().top;
    const int step = RowLayout::Step();
    Click(w.scrollUpKey);
    QCOMPARE(w.tapeView->Canvas().top, top + step);
    Click(w.scrollDownKey);
    QCOMPARE(w.tapeView->Canvas().top, top);
    for (int i = 0; i < 40; ++i) Click(w.scrollDownKey);
    QCOMPARE(w.tapeView->Canvas().top, top - 40 * step);
    for (int i = 0; i < 40; ++i) Click(w.scrollUpKey);
    QCOMPARE(w.tapeView->Canvas().top, top);
    QCOMPARE(RowTexts(w), std::string("1|2"));
    QCOMPARE(w.resultBox->Text(), QStringLiteral("3"));
  }

  // A new row moves the rows up by one row step from wherever the user scrolled them.
  void NewRowAfterScrollingKeepsTheOffset() {
    TapeWindow& w = *window_;
    const int start = w.tapeView->Canvas().top;
    Click(w.scrollUpKey);
    const int scrolled = w.tapeView->Canvas().top;
    PressKeys(w, "4+");
    const int step = RowLayout::Step();
    QCOMPARE(scrolled, start + step);
    QCOMPARE(w.tapeView->Canvas().top, scrolled - step);
  }

 private:
  ProgramFolder folder_;
  std::unique_ptr<TapeWindow> window_;
};

int RunEditingKeysTest(int argc, char** argv) {
  EditingKeysTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace cinta

#include "EditingKeysTest.moc"
