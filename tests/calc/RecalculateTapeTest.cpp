// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TapeBuilder.h"
#include "calc/RecalculateTape.h"

namespace cinta {
namespace {

// A row as the recovery file stores it: its text and its operator's code ("0" to "11").
struct StoredRow {
  std::string text;
  std::string code;
};

MemoryTape TapeOf(const std::vector<StoredRow>& rows) {
  std::vector<RowTexts> parsed;
  for (const StoredRow& row : rows) parsed.push_back({row.text, *ParseOperatorCode(row.code)});
  return MakeTape(parsed);
}

constexpr int kAllRows = -1;  // evaluatedRows = lastRow + 1, as most keys set it

struct TapeCase {
  const char* name;
  std::vector<StoredRow> rows;
  std::string expectedResult;
  std::map<int, std::string> expectedTexts = {};  // operand texts after the call
  int evaluatedRows = kAllRows;
};

const TapeCase kTapeCases[] = {
    // Each operator code.
    {"AddAndMultiplyWithoutPrecedence", {{"2", "0"}, {"3", "0"}, {"4", "2"}}, "20"},
    {"Subtract", {{"2", "0"}, {"3.5", "1"}}, "-1.5"},
    {"DivideExact", {{"12", "0"}, {"3", "3"}}, "4"},
    {"DivideToFifteenDigits", {{"1", "0"}, {"3", "3"}}, "0.333333333333333"},
    {"PowerOfTwo", {{"2", "0"}, {"10", "4"}}, "1024"},
    {"PercentMultipliesThenDivides", {{"200", "0"}, {"15", "5"}}, "30"},
    {"SquareRootRewritesText", {{"9", "0"}, {"77", "6"}}, "3", {{1, "9"}}},
    {"SquareRootToFifteenDigits", {{"2", "0"}, {"", "6"}}, "1.4142135623731", {{1, "2"}}},
    {"ReciprocalOfHalf", {{"0.5", "0"}, {"", "7"}}, "2", {{1, "0.5"}}},
    {"ReciprocalOfFour", {{"4", "0"}, {"9", "7"}}, "0.25", {{1, "4"}}},
    {"RootFourth", {{"16", "0"}, {"4", "8"}}, "2"},
    {"Remainder", {{"7", "0"}, {"2", "9"}}, "1"},
    {"RemainderHasSignOfTotal", {{"-7", "0"}, {"2", "9"}}, "-1"},
    {"RemainderIgnoresSignOfDivisor", {{"7", "0"}, {"-2", "9"}}, "1"},
    {"IntegerQuotient", {{"7", "0"}, {"2", "10"}}, "3"},
    {"IntegerQuotientTruncatesTowardZero", {{"-7", "0"}, {"2", "10"}}, "-3"},
    {"QuotientOfWholeHalf", {{"2.5", "0"}, {"2", "10"}}, "1"},
    {"WholeRoundsHalfDownToEven", {{"2.5", "0"}, {"1", "10"}}, "2"},
    {"WholeRoundsHalfUpToEven", {{"3.5", "0"}, {"2", "10"}}, "2"},
    {"WholeRoundsNegativeHalfToEven", {{"-2.5", "0"}, {"1", "10"}}, "-2"},
    {"WholeRoundsNegativeHalfDownToEven", {{"-3.5", "0"}, {"1", "10"}}, "-4"},
    {"WholeRoundsDivisorHalfToEven", {{"9", "0"}, {"2.5", "10"}}, "4"},
    {"FactorialRewritesText", {{"5", "0"}, {"", "11"}}, "120", {{1, "5"}}},
    {"FactorialUsesWholePart", {{"5.7", "0"}, {"", "11"}}, "120"},
    {"FactorialBelowTwoIsOne", {{"1.5", "0"}, {"", "11"}}, "1"},
    {"FactorialOfNegativeIsOne", {{"-3", "0"}, {"", "11"}}, "1"},
    {"FactorialLargest", {{"170", "0"}, {"", "11"}}, "7.25741561530799E+306"},
    // Row texts that carry no number.
    {"SingleRowLetters", {{"abc", "0"}}, "0"},
    {"SingleRowEmpty", {{"", "0"}}, "0"},
    {"SingleRowErrorText", {{"ERROR", "0"}}, "0"},
    {"SingleRowIgnoresCode", {{"7", "3"}}, "7", {}, 0},
    {"SingleRowNegativeZero", {{"-0", "0"}}, "0"},
    {"DoubleMinusReadsAsZero", {{"5", "0"}, {"--5", "0"}}, "5"},
    {"NegativeZeroTotal", {{"0", "0"}, {"-1", "2"}}, "0"},
    {"UnderflowIsNoError", {{"1E-300", "0"}, {"1E-300", "2"}}, "0"},
    {"ExponentFormResult", {{"1000000", "0"}, {"1000000000", "2"}}, "1E+15"},
    {"ZeroToTheZero", {{"0", "0"}, {"0", "4"}}, "1"},
    {"NegativeBaseWholeExponent", {{"-2", "0"}, {"3", "4"}}, "-8"},
    // evaluatedRows.
    {"NewBinaryRowLeftOut", {{"5", "0"}, {"", "2"}}, "5", {}, 1},
    {"EmptyLastRowCountsAsZero", {{"5", "0"}, {"", "2"}}, "0"},
    {"EmptyLastRowDivisorRefused", {{"5", "0"}, {"", "3"}}, "ERROR"},
    {"NoRowEvaluated", {{"5", "0"}, {"3", "0"}}, "0", {}, 0},
    {"CountBeyondLastRowStopsAtLastRow", {{"5", "0"}, {"3", "0"}}, "8", {}, 10},
    // Refusals: the row is skipped and evaluation goes on.
    {"DivideByZeroRefusedLaterRowsApplied",
     {{"5", "0"}, {"0", "3"}, {"2", "2"}, {"", "6"}},
     "ERROR",
     {{3, "10"}}},
    {"RefusedRowLaterUnaryRewritten", {{"5", "0"}, {"0", "3"}, {"x", "6"}}, "ERROR", {{2, "5"}}},
    {"ReciprocalOfZeroRefused", {{"0", "0"}, {"", "7"}, {"", "6"}}, "ERROR", {{1, "0"}, {2, "0"}}},
    {"RootZeroRefused", {{"16", "0"}, {"0", "8"}, {"", "6"}}, "ERROR", {{2, "16"}}},
    {"RemainderByZeroRefused", {{"7", "0"}, {"0", "9"}, {"", "6"}}, "ERROR", {{2, "7"}}},
    {"QuotientByZeroRefused", {{"7", "0"}, {"0", "10"}, {"", "6"}}, "ERROR", {{2, "7"}}},
    // Errors: evaluation stops at the failing row.
    {"SquareRootOfNegativeStops",
     {{"-4", "0"}, {"", "6"}, {"typed", "11"}},
     "ERROR",
     {{1, "-4"}, {2, "typed"}}},
    {"FactorialOverflow", {{"171", "0"}, {"", "11"}}, "ERROR"},
    {"WholeOfSmallDivisorIsZero", {{"5", "0"}, {"0.4", "10"}, {"", "6"}}, "ERROR", {{2, ""}}},
    {"WholeOfSmallDivisorIsZeroForRemainder", {{"5", "0"}, {"-0.5", "9"}}, "ERROR"},
    {"OddRootOfNegative", {{"-8", "0"}, {"3", "8"}}, "ERROR"},
    {"NegativeBaseFractionalExponent", {{"-8", "0"}, {"0.5", "4"}}, "ERROR"},
    {"ZeroToNegativePower", {{"0", "0"}, {"-1", "4"}}, "ERROR"},
    {"PowerOverflow", {{"10", "0"}, {"400", "4"}}, "ERROR"},
    {"AddOverflow", {{"1E308", "0"}, {"1E308", "0"}}, "ERROR"},
    {"SubtractOverflow", {{"-1E308", "0"}, {"1E308", "1"}}, "ERROR"},
    {"MultiplyOverflow", {{"1E200", "0"}, {"1E200", "2"}}, "ERROR"},
    {"DivideOverflow", {{"1E300", "0"}, {"1E-300", "3"}}, "ERROR"},
    {"PercentProductOverflow", {{"1E300", "0"}, {"1E10", "5"}}, "ERROR"},
    {"ReciprocalOverflow", {{"1E-310", "0"}, {"", "7"}}, "ERROR"},
    {"RootExponentOverflow", {{"2", "0"}, {"1E-310", "8"}}, "ERROR"},
    {"WholeAboveInt32", {{"2147483647.5", "0"}, {"1", "10"}}, "ERROR"},
    {"WholeAtInt32Max", {{"2147483647.4", "0"}, {"1", "10"}}, "2147483647"},
    {"WholeHalfToEvenAtInt32Min", {{"-2147483648.5", "0"}, {"1", "10"}}, "-2147483648"},
    {"WholeBelowInt32", {{"-2147483648.6", "0"}, {"1", "10"}}, "ERROR"},
    {"WholeDivisorOutOfRange", {{"1", "0"}, {"3E9", "9"}}, "ERROR"},
    {"QuotientInt32MinByMinusOne", {{"-2147483648", "0"}, {"-1", "10"}}, "ERROR"},
    {"RemainderInt32MinByMinusOne", {{"-2147483648", "0"}, {"-1", "9"}}, "ERROR"},
    {"ReaderErrorInRow", {{"5", "0"}, {"1E400", "0"}, {"", "6"}}, "ERROR", {{2, ""}}},
    {"ReaderErrorInSingleRow", {{"1E400", "0"}}, "ERROR"},
};

TEST(RecalculateTape, FoldsRowsIntoTheResult) {
  for (const TapeCase& c : kTapeCases) {
    SCOPED_TRACE(c.name);
    MemoryTape tape = TapeOf(c.rows);
    const int evaluatedRows = c.evaluatedRows == kAllRows ? tape.LastRow() + 1 : c.evaluatedRows;
    RecalculateTape(tape, evaluatedRows);
    EXPECT_EQ(tape.ResultText(), c.expectedResult);
    for (const auto& [row, text] : c.expectedTexts) {
      SCOPED_TRACE(row);
      EXPECT_EQ(tape.OperandText(row), text);
    }
  }
}

TEST(RecalculateTape, ErrorClearsOnceTheTapeIsValid) {
  MemoryTape tape = TapeOf({{"5", "0"}, {"0", "3"}});
  RecalculateTape(tape, 2);
  ASSERT_EQ(tape.ResultText(), "ERROR");
  tape.SetOperandText(1, "2");
  RecalculateTape(tape, 2);
  EXPECT_EQ(tape.ResultText(), "2.5");
}

TEST(RecalculateTape, TypingIntoUnaryRowIsOverwritten) {
  MemoryTape tape = TapeOf({{"16", "0"}, {"", "6"}});
  RecalculateTape(tape, 2);
  tape.SetOperandText(1, "81");
  RecalculateTape(tape, 2);
  EXPECT_EQ(tape.OperandText(1), "16");
  EXPECT_EQ(tape.ResultText(), "4");
}

}  // namespace
}  // namespace cinta
