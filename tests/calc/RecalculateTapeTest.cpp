// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TapeBuilder.h"
#include "calc/RecalculateTape.h"

namespace cinta {
namespace {

using enum OperatorCode;

constexpr int kAllRows = -1;  // evaluatedRows = lastRow + 1, as most keys set it

struct TapeCase {
  const char* name;
  std::vector<RowTexts> rows;
  std::string expectedResult;
  std::map<int, std::string> expectedTexts = {};  // operand texts after the call
  int evaluatedRows = kAllRows;
};

const TapeCase kTapeCases[] = {
    // Each operator code.
    {"AddAndMultiplyWithoutPrecedence", {{"2", Add}, {"3", Add}, {"4", Multiply}}, "20"},
    {"Subtract", {{"2", Add}, {"3.5", Subtract}}, "-1.5"},
    {"DivideExact", {{"12", Add}, {"3", Divide}}, "4"},
    {"DivideToFifteenDigits", {{"1", Add}, {"3", Divide}}, "0.333333333333333"},
    {"PowerOfTwo", {{"2", Add}, {"10", Power}}, "1024"},
    {"PercentMultipliesThenDivides", {{"200", Add}, {"15", Percent}}, "30"},
    {"SquareRootRewritesText", {{"9", Add}, {"77", SquareRoot}}, "3", {{1, "9"}}},
    {"SquareRootToFifteenDigits", {{"2", Add}, {"", SquareRoot}}, "1.4142135623731", {{1, "2"}}},
    {"ReciprocalOfHalf", {{"0.5", Add}, {"", Reciprocal}}, "2", {{1, "0.5"}}},
    {"ReciprocalOfFour", {{"4", Add}, {"9", Reciprocal}}, "0.25", {{1, "4"}}},
    {"RootFourth", {{"16", Add}, {"4", Root}}, "2"},
    {"Remainder", {{"7", Add}, {"2", Remainder}}, "1"},
    {"RemainderHasSignOfTotal", {{"-7", Add}, {"2", Remainder}}, "-1"},
    {"RemainderIgnoresSignOfDivisor", {{"7", Add}, {"-2", Remainder}}, "1"},
    {"IntegerQuotient", {{"7", Add}, {"2", IntegerQuotient}}, "3"},
    {"IntegerQuotientTruncatesTowardZero", {{"-7", Add}, {"2", IntegerQuotient}}, "-3"},
    {"QuotientOfWholeHalf", {{"2.5", Add}, {"2", IntegerQuotient}}, "1"},
    {"WholeRoundsHalfDownToEven", {{"2.5", Add}, {"1", IntegerQuotient}}, "2"},
    {"WholeRoundsHalfUpToEven", {{"3.5", Add}, {"2", IntegerQuotient}}, "2"},
    {"WholeRoundsNegativeHalfToEven", {{"-2.5", Add}, {"1", IntegerQuotient}}, "-2"},
    {"WholeRoundsNegativeHalfDownToEven", {{"-3.5", Add}, {"1", IntegerQuotient}}, "-4"},
    {"WholeRoundsDivisorHalfToEven", {{"9", Add}, {"2.5", IntegerQuotient}}, "4"},
    {"FactorialRewritesText", {{"5", Add}, {"", Factorial}}, "120", {{1, "5"}}},
    {"FactorialUsesWholePart", {{"5.7", Add}, {"", Factorial}}, "120"},
    {"FactorialBelowTwoIsOne", {{"1.5", Add}, {"", Factorial}}, "1"},
    {"FactorialOfNegativeIsOne", {{"-3", Add}, {"", Factorial}}, "1"},
    {"FactorialLargest", {{"170", Add}, {"", Factorial}}, "7.25741561530799E+306"},
    // Row texts that carry no number.
    {"SingleRowLetters", {{"abc", Add}}, "0"},
    {"SingleRowEmpty", {{"", Add}}, "0"},
    {"SingleRowErrorText", {{"ERROR", Add}}, "0"},
    {"SingleRowIgnoresCode", {{"7", Divide}}, "7", {}, 0},
    {"SingleRowNegativeZero", {{"-0", Add}}, "0"},
    {"DoubleMinusReadsAsZero", {{"5", Add}, {"--5", Add}}, "5"},
    {"NegativeZeroTotal", {{"0", Add}, {"-1", Multiply}}, "0"},
    {"UnderflowIsNoError", {{"1E-300", Add}, {"1E-300", Multiply}}, "0"},
    {"ExponentFormResult", {{"1000000", Add}, {"1000000000", Multiply}}, "1E+15"},
    {"ZeroToTheZero", {{"0", Add}, {"0", Power}}, "1"},
    {"NegativeBaseWholeExponent", {{"-2", Add}, {"3", Power}}, "-8"},
    // evaluatedRows.
    {"NewBinaryRowLeftOut", {{"5", Add}, {"", Multiply}}, "5", {}, 1},
    {"EmptyLastRowCountsAsZero", {{"5", Add}, {"", Multiply}}, "0"},
    {"EmptyLastRowDivisorRefused", {{"5", Add}, {"", Divide}}, "ERROR"},
    {"NoRowEvaluated", {{"5", Add}, {"3", Add}}, "0", {}, 0},
    {"CountBeyondLastRowStopsAtLastRow", {{"5", Add}, {"3", Add}}, "8", {}, 10},
    // Refusals: the row is skipped and evaluation goes on.
    {"DivideByZeroRefusedLaterRowsApplied",
     {{"5", Add}, {"0", Divide}, {"2", Multiply}, {"", SquareRoot}},
     "ERROR",
     {{3, "10"}}},
    {"RefusedRowLaterUnaryRewritten",
     {{"5", Add}, {"0", Divide}, {"x", SquareRoot}},
     "ERROR",
     {{2, "5"}}},
    {"ReciprocalOfZeroRefused",
     {{"0", Add}, {"", Reciprocal}, {"", SquareRoot}},
     "ERROR",
     {{1, "0"}, {2, "0"}}},
    {"RootZeroRefused", {{"16", Add}, {"0", Root}, {"", SquareRoot}}, "ERROR", {{2, "16"}}},
    {"RemainderByZeroRefused",
     {{"7", Add}, {"0", Remainder}, {"", SquareRoot}},
     "ERROR",
     {{2, "7"}}},
    {"QuotientByZeroRefused",
     {{"7", Add}, {"0", IntegerQuotient}, {"", SquareRoot}},
     "ERROR",
     {{2, "7"}}},
    // Errors: evaluation stops at the failing row.
    {"SquareRootOfNegativeStops",
     {{"-4", Add}, {"", SquareRoot}, {"typed", Factorial}},
     "ERROR",
     {{1, "-4"}, {2, "typed"}}},
    {"FactorialOverflow", {{"171", Add}, {"", Factorial}}, "ERROR"},
    {"WholeOfSmallDivisorIsZero",
     {{"5", Add}, {"0.4", IntegerQuotient}, {"", SquareRoot}},
     "ERROR",
     {{2, ""}}},
    {"WholeOfSmallDivisorIsZeroForRemainder", {{"5", Add}, {"-0.5", Remainder}}, "ERROR"},
    {"OddRootOfNegative", {{"-8", Add}, {"3", Root}}, "ERROR"},
    {"NegativeBaseFractionalExponent", {{"-8", Add}, {"0.5", Power}}, "ERROR"},
    {"ZeroToNegativePower", {{"0", Add}, {"-1", Power}}, "ERROR"},
    {"PowerOverflow", {{"10", Add}, {"400", Power}}, "ERROR"},
    {"AddOverflow", {{"1E308", Add}, {"1E308", Add}}, "ERROR"},
    {"SubtractOverflow", {{"-1E308", Add}, {"1E308", Subtract}}, "ERROR"},
    {"MultiplyOverflow", {{"1E200", Add}, {"1E200", Multiply}}, "ERROR"},
    {"DivideOverflow", {{"1E300", Add}, {"1E-300", Divide}}, "ERROR"},
    {"PercentProductOverflow", {{"1E300", Add}, {"1E10", Percent}}, "ERROR"},
    {"ReciprocalOverflow", {{"1E-310", Add}, {"", Reciprocal}}, "ERROR"},
    {"RootExponentOverflow", {{"2", Add}, {"1E-310", Root}}, "ERROR"},
    {"WholeAboveInt32", {{"2147483647.5", Add}, {"1", IntegerQuotient}}, "ERROR"},
    {"WholeAtInt32Max", {{"2147483647.4", Add}, {"1", IntegerQuotient}}, "2147483647"},
    {"WholeHalfToEvenAtInt32Min", {{"-2147483648.5", Add}, {"1", IntegerQuotient}}, "-2147483648"},
    {"WholeBelowInt32", {{"-2147483648.6", Add}, {"1", IntegerQuotient}}, "ERROR"},
    {"WholeDivisorOutOfRange", {{"1", Add}, {"3E9", Remainder}}, "ERROR"},
    {"QuotientInt32MinByMinusOne", {{"-2147483648", Add}, {"-1", IntegerQuotient}}, "ERROR"},
    {"RemainderInt32MinByMinusOne", {{"-2147483648", Add}, {"-1", Remainder}}, "ERROR"},
    {"ReaderErrorInRow", {{"5", Add}, {"1E400", Add}, {"", SquareRoot}}, "ERROR", {{2, ""}}},
    {"ReaderErrorInSingleRow", {{"1E400", Add}}, "ERROR"},
};

TEST(RecalculateTape, FoldsRowsIntoTheResult) {
  for (const TapeCase& c : kTapeCases) {
    SCOPED_TRACE(c.name);
    MemoryTape tape = MakeTape(c.rows);
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
  MemoryTape tape = MakeTape({{"5", Add}, {"0", Divide}});
  RecalculateTape(tape, 2);
  ASSERT_EQ(tape.ResultText(), "ERROR");
  tape.SetOperandText(1, "2");
  RecalculateTape(tape, 2);
  EXPECT_EQ(tape.ResultText(), "2.5");
}

TEST(RecalculateTape, TypingIntoUnaryRowIsOverwritten) {
  MemoryTape tape = MakeTape({{"16", Add}, {"", SquareRoot}});
  RecalculateTape(tape, 2);
  tape.SetOperandText(1, "81");
  RecalculateTape(tape, 2);
  EXPECT_EQ(tape.OperandText(1), "16");
  EXPECT_EQ(tape.ResultText(), "4");
}

}  // namespace
}  // namespace cinta
