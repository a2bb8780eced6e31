// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyReplay.h"
#include "TapeBuilder.h"
#include "calc/RowKeys.h"

namespace cinta {
namespace {

using enum OperatorCode;

// After 4, each operator key: binary keys leave their empty row out, unary ones apply at once
// and the evaluation writes the total into their row.
TEST(PressOperatorKey, EvaluatesTheNewRowOnlyForUnaryKeys) {
  struct Case {
    int code;
    const char* result;
    const char* newRowText;
    int evaluatedRows;
  };
  const Case cases[] = {
      {0, "4", "", 1}, {1, "4", "", 1}, {2, "4", "", 1},  {3, "4", "", 1},
      {4, "4", "", 1}, {5, "4", "", 1}, {6, "2", "4", 2}, {7, "0.25", "4", 2},
      {8, "4", "", 1}, {9, "4", "", 1}, {10, "4", "", 1}, {11, "24", "4", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    KeyedTape k;
    PressKeys(k, "4");
    EXPECT_TRUE(k.session.Press(OperatorKey(static_cast<OperatorCode>(c.code))));
    EXPECT_EQ(k.tape.LastRow(), 1);
    EXPECT_EQ(k.tape.RowOperator(1), static_cast<OperatorCode>(c.code));
    EXPECT_EQ(k.tape.ResultText(), c.result);
    EXPECT_EQ(k.tape.OperandText(1), c.newRowText);
    EXPECT_EQ(k.tape.EvaluatedRows(), c.evaluatedRows);
  }
}

TEST(PressOperatorKey, RowsAndViews) {
  struct Case {
    const char* name;
    const char* keys;
    const char* rows;
    const char* result;
  };
  const Case cases[] = {
      // 5 x (empty row, 0) + 3.
      {"TwoKeysLeaveAnEmptyRowThatCounts", "5*+3", "5||3", "3"},
      {"ReturnsToTheEditView", "2a+", "2|", "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k;
    PressKeys(k, c.keys);
    EXPECT_EQ(OperandTexts(k.tape), c.rows);
    EXPECT_EQ(k.tape.ResultText(), c.result);
    EXPECT_TRUE(k.tape.IsEditView());
    EXPECT_TRUE(k.tape.IsEntryVisible(k.tape.LastRow()));
  }
}

TEST(PressOperatorKey, AddsNoRowPastTheLast) {
  MemoryTape tape = MakeTape(std::vector<RowTexts>(kLastRow + 1, {"2", Add}));
  tape.SetEvaluatedRows(7);
  EXPECT_FALSE(PressOperatorKey(tape, OperatorCode::Add));
  EXPECT_EQ(tape.LastRow(), kLastRow);
  EXPECT_EQ(tape.EvaluatedRows(), 7);
}

TEST(PressPaletteKey, ChangesTheRowAndEvaluatesInTheViewShown) {
  struct Case {
    const char* name;
    const char* keys;
    int row;
    OperatorCode code;
    const char* codes;  // the codes of rows 1 to the last
    const char* result;
    const char* formattedResult;
  };
  const Case cases[] = {
      {"ChangesTheRowItIsGiven", "1+2+3+4+5+6", 5, OperatorCode::Divide, "00003", "2.5", ""},
      {"CountsAnEmptyLastRow", "5*", 1, OperatorCode::Multiply, "2", "0", ""},
      {"KeepsTheFormattedViewAndItsCaptions", "2+3a", 1, OperatorCode::Multiply, "2", "6", "5,00"},
      {"RowNoLongerThereChangesNothing", "8+2+1E", 2, OperatorCode::Subtract, "0", "10", ""},
      {"NoRowChangesNothing", "8+2", -1, OperatorCode::Subtract, "0", "10", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k;
    PressKeys(k, c.keys);
    const bool editView = k.tape.IsEditView();
    k.session.OpenPalette(c.row);
    k.session.PickFromPalette(c.code);
    std::string codes;
    for (int row = 1; row <= k.tape.LastRow(); ++row) codes += CodeText(k.tape.RowOperator(row));
    EXPECT_EQ(codes, c.codes);
    EXPECT_EQ(k.tape.ResultText(), c.result);
    EXPECT_EQ(k.tape.IsEditView(), editView);
    if (!editView) {
      EXPECT_EQ(k.tape.FormattedResultText(), c.formattedResult);
    }
  }
}

}  // namespace
}  // namespace cinta
