// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "KeyReplay.h"
#include "calc/RowEntry.h"
#include "support/KeyAlphabet.h"

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
    KeyedTape k;
    k.tape.SetOperandText(0, c.typed);
    PressKeys(k, c.keys);
    const std::string before = OperandTexts(k.tape);
    EXPECT_EQ(k.session.Press(c.key), c.acted);
    EXPECT_EQ(OperandTexts(k.tape), std::string(c.rows) == "=" ? before : c.rows);
  }
}

}  // namespace
}  // namespace cinta
