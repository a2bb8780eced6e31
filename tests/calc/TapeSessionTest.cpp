// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "KeyReplay.h"
#include "TapeBuilder.h"
#include "calc/RowEntry.h"
#include "calc/RowKeys.h"
#include "support/KeyAlphabet.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

// What a press tells the window: false when the row refused the key (the window beeps) or no row
// came or went (the rows stay where they stand), and for the keys whose work is the window's.
TEST(TapeSession, PressTellsWhetherTheKeyActed) {
  struct Case {
    const char* name;
    const char* typed;  // typed into row 0 first
    const char* keys;   // pressed before `key`
    Key key;
    bool acted;
    const char* rows;  // afterwards; "=" for as they were
  };
  const std::string longest(kMaxRowTextLength, '9');
  const Case cases[] = {
      {"Digit", "", "", Key::Digit0, true, "0"},
      {"DigitPastTheRowLimit", longest.c_str(), "", DigitKey(5), false, "="},
      {"DecimalPastTheRowLimit", longest.c_str(), "", Key::Decimal, false, "="},
      {"SignPastTheRowLimit", longest.c_str(), "", Key::Sign, false, "="},
      {"ClearEntryOnTheFirstRow", "", "5", Key::ClearEntry, false, ""},
      {"ClearEntryRemovingARow", "", "5+", Key::ClearEntry, true, "5"},
      {"Operator", "", "5", OperatorKey(OperatorCode::Divide), true, "5|"},
      {"Save", "", "5", Key::Save, true, "="},
      {"Scroll", "", "5+", Key::ScrollUp, false, "="},
      {"Quit", "", "", Key::Quit, false, "="},
      {"Palette", "", "5+", PaletteKey(OperatorCode::Multiply), false, "="},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k(nullptr, MakeTape({{c.typed, OperatorCode::Add}}));
    PressKeys(k, c.keys);
    const std::string before = OperandTexts(k.tape);
    EXPECT_EQ(k.session.Press(c.key), c.acted);
    EXPECT_EQ(OperandTexts(k.tape), std::string(c.rows) == "=" ? before : c.rows);
  }
}

// A display that keeps what the session told it last, and its place.
struct SeenDisplay final : TapeDisplay {
  void Show(const TapeUpdate& update) override { shown = update; }
  ViewPlace Place() const override { return place; }
  void ShowAt(const ViewPlace& at) override { place = at; }
  TapeUpdate shown;
  ViewPlace place;
};

// As each step ends the display is told which rows to show again: those that changed or came,
// not those removed; every row's boxes when the step switched views; and the list when it
// changed. Undo puts the display back where it stood before the change.
TEST(TapeSession, TellsTheDisplayWhatToShowAgain) {
  struct Case {
    const char* name;
    const char* before;
    const char* keys;  // in one step
    const char* rows;  // shown again: "first-last", or "none"
    bool viewSwitched;
    bool listChanged;
  };
  const Case cases[] = {
      {"DigitOnTheLastRow", "1+2+3", "4", "2-2", false, false},
      {"OperatorKeyAddsARow", "1+2", "+", "2-2", false, false},
      {"ClearKeepsRowZero", "1+2+3", "C", "0-0", false, true},
      {"FormatKeyFormatsEveryRow", "1+2", "a", "0-1", true, false},
      {"SameFormatAgain", "1+2a", "a", "none", false, false},
      {"BackToTheEditView", "1+2a", "e", "none", true, false},
      {"EraserOfTheList", "1C", "x", "none", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SeenDisplay display;
    KeyedTape k(&display);
    PressKeys(k, c.before);
    {
      const TapeSession::Step step(k.session, StepKind::Change);
      PressKeys(k, c.keys);
      display.place = {7, 8};
    }
    const TapeUpdate& shown = display.shown;
    EXPECT_EQ(shown.firstChanged > shown.lastChanged
                  ? "none"
                  : std::to_string(shown.firstChanged) + "-" + std::to_string(shown.lastChanged),
              c.rows);
    EXPECT_EQ(shown.viewSwitched, c.viewSwitched);
    EXPECT_EQ(shown.listChanged, c.listChanged);
    k.session.Undo();
    EXPECT_EQ(display.place, ViewPlace{});
  }
}

// The palette changes the row it was last opened for, until a step removes that row: a row of the
// same number typed again is another row.
TEST(TapeSession, PaletteChangesItsRowWhileThatRowLasts) {
  struct Case {
    const char* name;
    int row;           // the palette opened for
    const char* keys;  // then, each in a step of its own
    const char* operators;
  };
  const Case cases[] = {
      {"OpenedRow", 2, "", "+*"},
      {"AfterItsRowWentWithC", 2, "C8+2+1", "++"},
      {"AfterItsRowWentWithCE", 2, "E+1", "++"},
      {"AfterARowBelowItWent", 1, "E", "*"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k;
    PressKeys(k, "8+2+1");
    k.session.OpenPalette(c.row);
    for (const char key : std::string_view(c.keys)) {
      const TapeSession::Step step(k.session, StepKind::Change);
      PressKeys(k, std::string(1, key));
    }
    k.session.PickFromPalette(OperatorCode::Multiply);
    std::string operators;
    for (int row = 1; row <= k.tape.LastRow(); ++row) {
      operators += LetterOfOperator(k.tape.RowOperator(row));
    }
    EXPECT_EQ(operators, c.operators);
  }
}

// A session started over the file that another session's steps ended in takes back its tape and
// list, what was typed into the list's field included, and shows the whole of them.
TEST(TapeSession, StartTakesBackWhatTheStepsLeftInTheRecoveryFile) {
  const TempFolder folder;
  const std::filesystem::path file = folder.Path() / "recuperacion.dat";
  {
    TapeSession before(MemoryTape(), file);
    for (const char letter : std::string_view("5+3C7*2")) {
      const TapeSession::Step step(before, StepKind::Change);
      before.Press(KeyOfLetter(letter));
    }
    const TapeSession::Step step(before, std::nullopt);
    before.TypeIntoListField("nota");
  }
  SeenDisplay display;
  TapeSession after(MemoryTape(), file, &display);
  ASSERT_TRUE(after.Start());
  EXPECT_EQ(OperandTexts(after.Tape()), "7|2");
  EXPECT_EQ(after.List().Entries(), std::vector<std::string>{"8"});
  EXPECT_EQ(after.List().FieldText(), "nota");
  const TapeUpdate& shown = display.shown;
  EXPECT_TRUE(shown.firstChanged == 0 && shown.lastChanged == 1 && shown.viewSwitched &&
              shown.listChanged && shown.recoverable);
}

// The rows in the key alphabet: each row after the first with its operator's letter.
std::string Rows(const MemoryTape& tape) {
  std::string rows = tape.OperandText(0);
  for (int row = 1; row <= tape.LastRow(); ++row) {
    rows += '|';
    rows += LetterOfOperator(tape.RowOperator(row));
    rows += tape.OperandText(row);
  }
  return rows;
}

// Figures pasted or dropped make the rows an adding machine would print, evaluated at once.
TEST(TapeSession, FiguresBecomeRowsAtTheEnd) {
  struct Case {
    const char* name;
    const char* keys;  // pressed first
    std::vector<std::string> figures;
    bool allTaken;
    const char* rows;
    const char* result;
  };
  const Case cases[] = {
      {"IntoAnEmptyTape", "", {"12.5", "-2", "0.5"}, true, "12.5|-2|+0.5", "11"},
      {"NegativeFirst", "", {"-3", "1"}, true, "-3|+1", "-2"},
      {"IntoTheRowAnOperatorOpened", "10*", {"3", "4"}, true, "10|*3|+4", "34"},
      {"AfterATypedRow", "7", {"3"}, true, "7|+3", "10"},
      {"AfterAUnaryRow", "9r", {"1"}, true, "9|r9|+1", "4"},
      {"FromTheFormattedView", "5a", {"1"}, true, "5|+1", "6"},
      {"Nothing", "5", {}, false, "5", "5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k;
    PressKeys(k, c.keys);
    EXPECT_EQ(k.session.AppendFigures(c.figures), c.allTaken);
    EXPECT_EQ(Rows(k.tape), c.rows);
    EXPECT_EQ(k.tape.ResultText(), c.result);
    EXPECT_TRUE(k.tape.IsEditView());
  }
}

// At the row limit the rows are filled up to it and the rest is left out.
TEST(TapeSession, FiguresStopAtTheRowLimit) {
  KeyedTape k;
  const std::vector<std::string> figures(kLastRow + 2, "1");
  EXPECT_FALSE(k.session.AppendFigures(figures));
  EXPECT_EQ(k.tape.LastRow(), kLastRow);
  EXPECT_EQ(k.tape.ResultText(), std::to_string(kLastRow + 1));
}

}  // namespace
}  // namespace cinta
