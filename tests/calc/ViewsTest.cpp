// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "TapeBuilder.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {
namespace {

using enum OperatorCode;

void ExpectEditView(const MemoryTape& tape) {
  for (int row = 0; row <= tape.LastRow(); ++row) {
    SCOPED_TRACE(row);
    EXPECT_TRUE(tape.IsEntryVisible(row));
    EXPECT_FALSE(tape.IsFormattedVisible(row));
  }
  EXPECT_TRUE(tape.IsResultVisible());
  EXPECT_FALSE(tape.IsFormattedResultVisible());
  EXPECT_TRUE(tape.IsEditView());
}

void ExpectFormattedView(const MemoryTape& tape) {
  for (int row = 0; row <= tape.LastRow(); ++row) {
    SCOPED_TRACE(row);
    EXPECT_FALSE(tape.IsEntryVisible(row));
    EXPECT_TRUE(tape.IsFormattedVisible(row));
  }
  EXPECT_FALSE(tape.IsResultVisible());
  EXPECT_TRUE(tape.IsFormattedResultVisible());
  EXPECT_FALSE(tape.IsEditView());
}

TEST(PressFormatKey, FormatsEveryRowAndTheResult) {
  struct Case {
    const char* name;
    int key;
    const char* row0;
    const char* row1;
    const char* result;
  };
  const Case cases[] = {
      {"TwoDecimals", 0, "1.234,56", "0,40", "1.234,96"},
      {"TwoDecimalsAndSymbol", 2, "1.234,56 \u20ac", "0,40 \u20ac", "1.234,96 \u20ac"},
      {"Whole", 3, "1.235", "0", "1.235"},
      {"WholeAndSymbol", 4, "1.235 \u20ac", "0 \u20ac", "1.235 \u20ac"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTape tape = MakeTape({{"1234.56", Add}, {"0.4", Add}});
    RecalculateTape(tape, 2);
    PressFormatKey(tape, *FormatModeOfKey(c.key), "\u20ac");
    EXPECT_EQ(tape.CurrentFormatMode(), FormatModeOfKey(c.key));
    EXPECT_EQ(tape.FormattedText(0), c.row0);
    EXPECT_EQ(tape.FormattedText(1), c.row1);
    EXPECT_EQ(tape.FormattedResultText(), c.result);
    ExpectFormattedView(tape);
    // The hidden number texts stay as they were.
    EXPECT_EQ(tape.OperandText(0), "1234.56");
    EXPECT_EQ(tape.ResultText(), "1234.96");
  }
}

TEST(PressFormatKey, TextsWithoutANumberShowAsZeroButAnErrorStaysOne) {
  MemoryTape tape = MakeTape({{"5", Add}, {"", Divide}, {"1E400", Add}, {"ERROR", Root}});
  tape.SetResultText("ERROR");
  PressFormatKey(tape, FormatMode::TwoDecimalsWithCurrency, "$");
  EXPECT_EQ(tape.FormattedText(1), "0,00 $");
  EXPECT_EQ(tape.FormattedText(2), "0,00 $");
  EXPECT_EQ(tape.FormattedText(3), "ERROR");
  EXPECT_EQ(tape.FormattedResultText(), "ERROR");
}

TEST(PressFormatKey, EditViewKeyReturnsToTheEditView) {
  MemoryTape tape = MakeTape({{"5", Add}, {"3", Multiply}});
  PressFormatKey(tape, FormatMode::NoDecimals, "$");
  PressFormatKey(tape, FormatMode::EditView, "$");
  EXPECT_EQ(tape.CurrentFormatMode(), FormatMode::EditView);
  ExpectEditView(tape);
  // Leaving the formatted view keeps its captions; they are only recomputed by a format key.
  EXPECT_EQ(tape.FormattedText(0), "5");
}

TEST(PressFormatKey, FormattedViewIsASnapshotUntilTheNextFormatKey) {
  MemoryTape tape = MakeTape({{"12", Add}});
  RecalculateTape(tape, 1);
  PressFormatKey(tape, FormatMode::TwoDecimals, "$");
  tape.SetOperandText(0, "1");  // a backspace changes only the hidden texts
  RecalculateTape(tape, 1);
  EXPECT_EQ(tape.FormattedText(0), "12,00");
  EXPECT_EQ(tape.FormattedResultText(), "12,00");
  PressFormatKey(tape, FormatMode::NoDecimalsWithCurrency, "$");
  EXPECT_EQ(tape.FormattedText(0), "1 $");
  EXPECT_EQ(tape.FormattedResultText(), "1 $");
}

TEST(FormatModeOfKey, OnlyTheFiveKeysHaveAMode) {
  EXPECT_EQ(FormatModeOfKey(4), FormatMode::NoDecimalsWithCurrency);
  EXPECT_FALSE(FormatModeOfKey(5).has_value());
  EXPECT_FALSE(FormatModeOfKey(-1).has_value());
}

TEST(PressEqualsKey, ReturnsToEditViewAndEvaluatesTheEmptyLastRow) {
  MemoryTape tape = MakeTape({{"5", Add}, {"", Multiply}});
  RecalculateTape(tape, 1);
  ASSERT_EQ(tape.ResultText(), "5");
  PressFormatKey(tape, FormatMode::TwoDecimals, "$");
  PressEqualsKey(tape);
  EXPECT_EQ(tape.EvaluatedRows(), 2);
  EXPECT_EQ(tape.ResultText(), "0");
  ExpectEditView(tape);
}

TEST(PressEqualsKey, EmptyLastDivisorIsRefused) {
  MemoryTape tape = MakeTape({{"5", Add}, {"", Divide}});
  PressEqualsKey(tape);
  EXPECT_EQ(tape.EvaluatedRows(), 2);
  EXPECT_EQ(tape.ResultText(), "ERROR");
}

}  // namespace
}  // namespace cinta
