// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TapeBuilder.h"
#include "calc/PreviousResults.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"

namespace cinta {
namespace {

using enum OperatorCode;

using Entries = std::vector<std::string>;

TEST(StoreResult, AppendsResultsInOrderWithDuplicatesAndErrors) {
  PreviousResultsList list;
  ASSERT_FALSE(list.IsShown());
  ASSERT_EQ(list.FieldText(), "Resultados anteriores");

  MemoryTape tape = MakeTape({{"5", Add}, {"3", Add}});
  RecalculateTape(tape, 2);
  StoreResult(list, tape);
  EXPECT_EQ(list.Entries(), Entries({"8"}));
  EXPECT_EQ(list.FieldText(), "8");
  EXPECT_TRUE(list.IsShown());

  StoreResult(list, tape);
  MemoryTape failed = MakeTape({{"5", Add}, {"0", Divide}});
  RecalculateTape(failed, 2);
  StoreResult(list, failed);
  EXPECT_EQ(list.Entries(), Entries({"8", "8", "ERROR"}));
  EXPECT_EQ(list.FieldText(), "ERROR");
}

TEST(EmptyList, RemovesEntriesAndFieldTextButStaysShown) {
  PreviousResultsList list;
  const MemoryTape tape;
  StoreResult(list, tape);
  EmptyList(list);
  EXPECT_TRUE(list.Entries().empty());
  EXPECT_EQ(list.FieldText(), "");
  EXPECT_TRUE(list.IsShown());
}

TEST(PickEntry, ReplacesTheLastRowAndEvaluates) {
  struct Case {
    const char* name;
    std::vector<RowTexts> rows;
    const char* entry;
    const char* lastText;
    const char* result;
  };
  const Case cases[] = {
      {"ReplacesNotExtends", {{"5", Add}, {"12", Multiply}}, "8", "8", "40"},
      {"OnlyRowZero", {{"3", Add}}, "8", "8", "8"},
      {"ErrorEntryReadsAsZero", {{"5", Add}, {"7", Add}}, "ERROR", "ERROR", "5"},
      {"UnaryRowRewrittenAtOnce", {{"16", Add}, {"", SquareRoot}}, "8", "16", "4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTape tape = MakeTape(c.rows);
    PickEntry(tape, c.entry);
    EXPECT_EQ(tape.EvaluatedRows(), tape.LastRow() + 1);
    EXPECT_EQ(tape.OperandText(tape.LastRow()), c.lastText);
    EXPECT_EQ(tape.ResultText(), c.result);
  }
}

TEST(PickEntry, LeavesTheFormattedViewAndItsCaptions) {
  MemoryTape tape = MakeTape({{"5", Add}, {"1", Add}});
  RecalculateTape(tape, 2);
  PressFormatKey(tape, FormatMode::NoDecimals, "$");
  PickEntry(tape, "8");
  EXPECT_EQ(tape.ResultText(), "13");
  EXPECT_EQ(tape.FormattedResultText(), "6");
  EXPECT_EQ(tape.FormattedText(1), "1");
  EXPECT_FALSE(tape.IsEditView());
  EXPECT_EQ(tape.LastRow(), 1);
}

}  // namespace
}  // namespace cinta
