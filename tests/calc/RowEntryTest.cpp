// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/ReadFigure.h"
#include "calc/RowEntry.h"

namespace cinta {
namespace {

// Figures as spreadsheets, statements and e-mails write them; "-" stands for no figure.
TEST(ReadFigure, FormsPeopleWrite) {
  struct Case {
    const char* text;
    const char* figure;
  };
  const Case cases[] = {
      {"1.234,56", "1234.56"},
      {"1,234.56", "1234.56"},
      {"1 234,56", "1234.56"},
      {"1\u00a0234,56", "1234.56"},
      {"1\u202f234,56", "1234.56"},
      {"1.000,50", "1000.50"},
      {"1234,5", "1234.5"},
      {"1234.5", "1234.5"},
      {"-12,50", "-12.50"},
      {"\u221212,50", "-12.50"},
      {"12,50-", "-12.50"},
      {"(1.234,56)", "-1234.56"},
      {"  \t007 ", "007"},
      {",5", ".5"},
      {"1.234.567", "1234567"},
      {"1,234,567.5", "1234567.5"},
      // A single mark before three digits: the program's convention, comma decimal.
      {"1.234", "1234"},
      {"1,234", "1.234"},
      {"\u20ac 1.234,56", "1234.56"},
      {"1.234,56 \u20ac", "1234.56"},
      {"$1,234.56", "1234.56"},
      {"EUR 12,50", "12.50"},
      {"12,50 USD", "12.50"},
      {"Bs. 12,50", "12.50"},
      {"S/ -12.50", "-12.50"},
      {"(\u20ac 5)", "-5"},
      {"15%", "15"},
      {"", "-"},
      {"-", "-"},
      {"\u20ac", "-"},
      {"12abc", "-"},
      {"&H1F", "-"},
      {"1e5", "-"},
      {"1.2.3", "-"},
      {"12.34.567", "-"},
      {"1,2345,678", "-"},
      {"--5", "-"},
      {"-(5)", "-"},
      {"1 2", "-"},
      {"Factura 17", "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadFigure(c.text).value_or("-"), c.figure);
  }
}

// What typing, pasting or deleting makes of a row; "refused" where the row refuses it.
TEST(RowEntry, TakesWhatTheNumberKeysMake) {
  struct Case {
    const char* name;
    const char* text;
    std::size_t start;
    std::size_t removed;
    const char* typed;
    const char* row;
  };
  const std::string longest(kMaxRowTextLength, '9');
  const Case cases[] = {
      {"DigitAtTheEnd", "12", 2, 0, "3", "123"},
      {"DigitInTheMiddle", "12", 1, 0, "5", "152"},
      {"CommaTypesThePoint", "12", 2, 0, ",", "12."},
      {"PointTypesThePoint", "12", 2, 0, ".", "12."},
      {"SecondPointRefused", "1.2", 3, 0, ",", "refused"},
      {"PointReplacingThePoint", "1.2", 1, 1, ",", "1.2"},
      {"MinusIntoAnEmptyRowIsItsSign", "", 0, 0, "-", "-"},
      {"MinusReplacingTheWholeText", "12", 0, 2, "-", "-"},
      {"MinusAfterDigitsRefused", "12", 2, 0, "-", "refused"},
      {"DigitBeforeTheSignRefused", "-5", 0, 0, "7", "refused"},
      {"DigitsAfterSignKeyMinuses", "--5", 3, 0, "1", "--51"},
      {"LetterRefused", "12", 2, 0, "a", "refused"},
      {"ExponentRefused", "12", 2, 0, "e", "refused"},
      {"NonAsciiRefused", "5", 1, 0, "\u20ac", "refused"},
      {"DeletingAlwaysAllowed", "1E+15", 1, 3, "", "15"},
      {"TypingIntoAnExponentTextRefused", "1E+15", 5, 0, "0", "refused"},
      {"PasteReadAsOneFigure", "", 0, 0, "1.000,50", "1000.50"},
      {"PasteReplacesTheSelection", "99", 0, 2, "-1.234,5 \u20ac", "-1234.5"},
      {"PasteOfANegativeAfterDigitsRefused", "12", 2, 0, "-5", "refused"},
      {"PasteOfTextRefused", "", 0, 0, "12abc", "refused"},
      {"PasteOfTwoFiguresRefused", "", 0, 0, "12\n13", "refused"},
      {"RowAtItsLimitRefusesADigit", longest.c_str(), longest.size(), 0, "9", "refused"},
      {"StartPastTheTextRefused", "12", 3, 0, "1", "refused"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TypeIntoRow(c.text, c.start, c.removed, c.typed).value_or("refused"), c.row);
  }
}

}  // namespace
}  // namespace cinta
