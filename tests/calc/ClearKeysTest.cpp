// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyReplay.h"
#include "TapeBuilder.h"

namespace cinta {
namespace {

using Entries = std::vector<std::string>;

TEST(PressClearKey, FilesTheResultAndLeavesRowZeroAlone) {
  struct Case {
    const char* name;
    const char* keys;
    Entries entries;
  };
  const Case cases[] = {
      {"StartStateFilesZero", "C", {"0"}},
      {"TwoClearsFileTheResultThenZero", "5+3CC", {"8", "0"}},
      {"ErrorIsFiledAsItIs", "5/0C", {"ERROR"}},
      {"UnaryRowsAndOperatorsGo", "16r+C", {"4"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k;
    PressKeys(k, c.keys);
    EXPECT_EQ(k.list.Entries(), c.entries);
    EXPECT_EQ(k.list.FieldText(), c.entries.back());
    EXPECT_TRUE(k.list.IsShown());
    EXPECT_EQ(k.tape.LastRow(), 0);
    EXPECT_EQ(k.tape.OperandText(0), "");
    EXPECT_EQ(k.tape.RowOperator(0), OperatorCode::Add);
    EXPECT_EQ(k.tape.ResultText(), "0");
  }
  // Whatever operator row 0 held, C gives it Add again.
  KeyedTape k(nullptr, MakeTape({{"", OperatorCode::Percent}}));
  PressKeys(k, "C");
  EXPECT_EQ(k.tape.RowOperator(0), OperatorCode::Add);
}

// CE takes back `removed`, the keys of the last row: its operator key and what was typed.
TEST(PressClearEntryKey, RemovesTheLastRowOrEmptiesRowZero) {
  struct Case {
    const char* name;
    const char* kept;
    const char* removed;
    const char* after;
    const char* rows;
    const char* result;
    bool removesARow;
  };
  const Case cases[] = {
      {"UndoesAnOperatorKeyAndLetsTheNumberGoOn", "12", "+", "3", "123", "123", true},
      {"KeepsTheRowBeforeIntact", "5+3", "*2", "", "5|3", "8", true},
      {"EmptiesRowZeroAlone", "", "42", "", "", "0", false},
      {"EvaluatesTheRemainingUnaryRow", "16r", "+5", "", "16|16", "4", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyedTape k;
    PressKeys(k, c.kept);
    PressKeys(k, c.removed);
    EXPECT_EQ(k.session.Press(Key::ClearEntry), c.removesARow);
    EXPECT_EQ(k.tape.EvaluatedRows(), k.tape.LastRow() + 1);
    PressKeys(k, c.after);
    EXPECT_EQ(OperandTexts(k.tape), c.rows);
    EXPECT_EQ(k.tape.ResultText(), c.result);
  }
}

// Both keys change the texts behind the formatted view, whose captions keep what the format key
// showed.
TEST(ClearKeys, KeepTheFormattedView) {
  for (const char* key : {"C", "E"}) {
    SCOPED_TRACE(key);
    KeyedTape k;
    PressKeys(k, "2+4a");
    PressKeys(k, key);
    EXPECT_EQ(k.tape.LastRow(), 0);
    EXPECT_FALSE(k.tape.IsEditView());
    EXPECT_TRUE(k.tape.IsFormattedVisible(0));
    EXPECT_EQ(k.tape.FormattedText(0), "2,00");
    EXPECT_EQ(k.tape.FormattedResultText(), "6,00");
  }
}

}  // namespace
}  // namespace cinta
