// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "KeyReplay.h"
#include "TapeBuilder.h"
#include "calc/RowEntry.h"

namespace cinta {
namespace {

TEST(NumberKeys, EditTheLastRow) {
  struct Case {
    const char* name;
    const char* typed;  // typed into row 0 before the keys, as the user may type anything
    const char* keys;
    const char* rows;
    const char* result;
    int evaluatedRows;
  };
  const std::string longest(kMaxRowTextLength, '9');
  const Case cases[] = {
      {"DigitsKeepLeadingZeros", "", "007", "007", "7", 1},
      {"KeysStopAtTheRowLimit", longest.c_str(), "9~,", longest.c_str(), "0", 0},
      {"ASecondDecimalIsIgnored", "", "12,,", "12.", "12", 1},
      {"DecimalOnAnEmptyRowIsALonePoint", "", ",", ".", "0", 0},
      // 5 x 0 would be 0: the decimal key leaves the empty row unevaluated.
      {"DecimalDoesNotEvaluate", "", "5*,", "5|.", "5", 1},
      {"BackspaceOnAnEmptyRowDoesNotEvaluate", "", "5*<", "5|", "5", 1},
      // The point goes and the empty second row now counts: 5 x 0.
      {"BackspaceAfterDecimalRemovesItAndEvaluates", "", "5*,<", "5|", "0", 2},
      {"BackspaceShortensTheNumber", "", "123<", "12", "12", 1},
      {"BackspaceRemovesAWholeCharacter", "5\u20ac", "<", "5", "5", 1},
      {"BackspaceTurnsMinusFiveIntoALoneMinus", "", "5~<", "-", "0", 1},
      {"BackspaceTurnsALoneMinusIntoNothing", "", "5~<<", "", "0", 1},
      {"SignKeyNegates", "", "12~", "-12", "-12", 1},
      {"SignKeyTwiceGivesDoubleMinusWhichCountsZero", "", "12~~", "--12", "0", 1},
      {"SignKeyOnAnEmptyRow", "", "~", "-", "0", 1},
      {"DigitsAfterTheSign", "", "~7", "-7", "-7", 1},
      {"KeysEditOnlyTheLastRow", "", "2+3~", "2|-3", "-1", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k(nullptr, MakeTape({{c.typed, OperatorCode::Add}}));
    PressKeys(k, c.keys);
    EXPECT_EQ(OperandTexts(k.tape), c.rows);
    EXPECT_EQ(k.tape.ResultText(), c.result);
    EXPECT_EQ(k.tape.EvaluatedRows(), c.evaluatedRows);
  }
}

// A digit brings back the edit view; the other keys change the texts behind the formatted view,
// whose captions keep what the format key showed.
TEST(NumberKeys, OnlyDigitsLeaveTheFormattedView) {
  struct Case {
    const char* key;
    const char* row;
    const char* result;
    bool editView;
  };
  const Case cases[] = {
      {"7", "567", "567", true},
      {"~", "-56", "-56", false},
      {"<", "5", "5", false},
      {",", "56.", "56", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    KeyedTape k;
    PressKeys(k, "56a");
    PressKeys(k, c.key);
    EXPECT_EQ(k.tape.OperandText(0), c.row);
    EXPECT_EQ(k.tape.ResultText(), c.result);
    EXPECT_EQ(k.tape.IsEditView(), c.editView);
    EXPECT_EQ(k.tape.FormattedText(0), "56,00");
    EXPECT_EQ(k.tape.FormattedResultText(), "56,00");
  }
}

}  // namespace
}  // namespace cinta
