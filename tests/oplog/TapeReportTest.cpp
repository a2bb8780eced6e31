// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/ClearKeys.h"
#include "calc/MemoryTape.h"
#include "calc/NumberKeys.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"
#include "oplog/TapeReport.h"

namespace cinta {
namespace {

std::string Spaces(int count) {
  return std::string(static_cast<std::size_t>(count), ' ');
}

OperatorNames Names() {
  OperatorNames names;
  names[0] = "Suma";
  return names;
}

// 5 + 3 shown with two decimals.
MemoryTape FormattedFivePlusThree() {
  MemoryTape tape;
  tape.SetOperandText(0, "5");
  tape.AppendRow("3", OperatorCode::Add);
  RecalculateTape(tape, 2);
  PressFormatKey(tape, FormatMode::TwoDecimals, "$");
  return tape;
}

// Keys that change the tape without leaving the formatted view leave its captions as they were;
// once the save key formats them afresh, the report is still the tape's, not 5 + 3 = 8, and the
// tape then shows what was saved.
TEST(BuildTapeReport, ReportsTheCaptionsTheSaveKeyFormatsAfresh) {
  struct Case {
    const char* name;
    bool clearEntry;  // CE instead of the sign key
    std::string expected;
    const char* shownResult;
  };
  const Case cases[] = {
      {"AfterTheSignKey", false,
       "\r\n 1 )" + Spaces(18) + "5,00\r\n 2 ) Suma" + Spaces(12) + "-3,00\r\n\r\n" +
           std::string(30, '-') + "\r\n" + Spaces(22) + "2,00\r\n",
       "2,00"},
      {"AfterClearEntry", true,
       "\r\n 1 )" + Spaces(18) + "5,00\r\n\r\n" + std::string(30, '-') + "\r\n" + Spaces(22) +
           "5,00\r\n",
       "5,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTape tape = FormattedFivePlusThree();
    if (c.clearEntry) {
      PressClearEntryKey(tape);
    } else {
      PressSignKey(tape);
    }
    RefreshFormattedView(tape, "$");
    EXPECT_EQ(BuildTapeReport(tape, Names()), c.expected);
    EXPECT_FALSE(tape.IsEditView());
    EXPECT_EQ(tape.FormattedResultText(), c.shownResult);
  }
}

// The edit view reports the typed texts and leaves the hidden captions alone.
TEST(BuildTapeReport, EditViewTakesTheTypedTexts) {
  MemoryTape tape = FormattedFivePlusThree();
  PressDigitKey(tape, 7);
  RefreshFormattedView(tape, "$");
  const std::string report = BuildTapeReport(tape, Names());
  EXPECT_NE(report.find("Suma" + Spaces(15) + "37\r\n"), std::string::npos) << report;
  EXPECT_EQ(report.find(','), std::string::npos) << report;
  EXPECT_TRUE(tape.IsEditView());
  EXPECT_EQ(tape.FormattedText(1), "3,00");
}

}  // namespace
}  // namespace cinta
