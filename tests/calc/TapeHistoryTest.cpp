// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "KeyReplay.h"
#include "TapeBuilder.h"
#include "calc/RecalculateTape.h"
#include "calc/TapeHistory.h"
#include "calc/Views.h"

namespace cinta {
namespace {

using enum OperatorCode;

// Everything a MemoryTape holds, read through its own accessors.
std::string Dump(const MemoryTape& tape) {
  std::string dump = tape.ResultText() + "|" + tape.FormattedResultText() + "|" +
                     std::to_string(tape.IsResultVisible()) +
                     std::to_string(tape.IsFormattedResultVisible());
  dump += "|" + std::to_string(tape.EvaluatedRows()) + "|" +
          std::to_string(static_cast<int>(tape.CurrentFormatMode()));
  for (int row = 0; row <= tape.LastRow(); ++row) {
    dump += "\n" + tape.OperandText(row) + "|" + CodeText(tape.RowOperator(row)) + "|" +
            tape.FormattedText(row) + "|" + std::to_string(tape.IsEntryVisible(row)) +
            std::to_string(tape.IsFormattedVisible(row));
  }
  return dump;
}

struct Step {
  const char* name;
  StepKind kind;
  const char* keys;  // as KeyReplay names them
  int scroll;        // rows the tape is scrolled by after the keys
};

// Each step as the window makes it: the keys' own rules, then the place of the rows.
const Step kSteps[] = {
    {"digit", StepKind::Change, "9", 0},
    {"square root row, which the evaluation rewrites", StepKind::Change, "r", 0},
    {"format key", StepKind::View, "c", 0},
    {"scroll after the format key, still the same view step", StepKind::View, "", 1},
    {"clear entry key behind the formatted view", StepKind::Change, "E", 0},
    {"clear key", StepKind::Change, "C", 0},
    {"digit, back in the edit view", StepKind::Change, "7", 0},
};

// Steps on a tape of rows 16, + 9 with unary rows that the evaluation rewrites.
MemoryTape StartTape() {
  MemoryTape tape = MakeTape({{"16", Add}, {"9", Add}, {"", SquareRoot}, {"4", Multiply}});
  EvaluateEveryRow(tape);
  return tape;
}

// A view that only keeps its place: how far it is scrolled, and a number that follows the rows.
struct PlaceOnly final : TapeDisplay {
  void Show(const TapeUpdate&) override {}
  ViewPlace Place() const override { return place; }
  void ShowAt(const ViewPlace& at) override { place = at; }
  ViewPlace place;
};

TEST(TapeHistory, UndoAndRedoGiveBackEveryStateExactly) {
  PlaceOnly view;
  KeyedTape keyed(&view, StartTape());
  const MemoryTape& tape = keyed.tape;
  ViewPlace& place = view.place;
  const auto seen = [&] {
    return Dump(tape) + "|at " + std::to_string(place.offset) + "," + std::to_string(place.extent);
  };
  // What the user sees before each change, and after it with the view steps that follow it: a
  // view step is taken back and made again with the change before it.
  std::vector<std::string> beforeChange;
  std::vector<std::string> afterSteps;
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.name);
    if (step.kind == StepKind::Change) {
      beforeChange.push_back(seen());
      afterSteps.emplace_back();
    }
    {
      const TapeSession::Step inStep(keyed.session, step.kind);
      PressKeys(keyed, step.keys);
      place = {place.offset + step.scroll, tape.LastRow()};
    }
    if (step.kind == StepKind::Change) {
      EXPECT_NE(seen(), beforeChange.back());
    }
    afterSteps.back() = seen();
  }
  for (std::size_t change = beforeChange.size(); change-- > 0;) {
    SCOPED_TRACE(change);
    keyed.session.Undo();
    EXPECT_EQ(seen(), beforeChange[change]);
  }
  // Nothing is left to take back, or, at the end, to make again.
  keyed.session.Undo();
  EXPECT_EQ(seen(), beforeChange.front());
  EXPECT_EQ(Dump(tape), Dump(StartTape()));
  for (std::size_t change = 0; change < afterSteps.size(); ++change) {
    SCOPED_TRACE(change);
    keyed.session.Redo();
    EXPECT_EQ(seen(), afterSteps[change]);
  }
  keyed.session.Redo();
  EXPECT_EQ(seen(), afterSteps.back());
}

TEST(TapeHistory, ANewChangeDropsTheRedoButAStepThatChangedNothingDoesNot) {
  MemoryTape tape = StartTape();
  TapeRecorder recorder(tape);
  TapeHistory history;
  const auto record = [&](StepKind kind, const std::function<void()>& change) {
    recorder.Begin();
    change();
    history.Record(recorder.End(), kind);
  };
  record(StepKind::Change, [&] { tape.SetOperandText(3, "5"); });
  ASSERT_TRUE(history.Undo(tape));
  // The evaluation rewrites the unary row with the text it holds, and a text goes and comes back.
  record(StepKind::Change, [&] {
    RecalculateTape(tape, 4);
    tape.SetOperandText(1, "1");
    tape.SetOperandText(1, "9");
  });
  ASSERT_TRUE(history.Redo(tape));
  EXPECT_EQ(tape.OperandText(3), "5");
  ASSERT_TRUE(history.Undo(tape));
  record(StepKind::View, [&] { ShowFormattedView(tape, "##,##0"); });
  EXPECT_FALSE(history.Redo(tape));
  // A view step with no change before it is never taken back.
  EXPECT_FALSE(history.Undo(tape));
  EXPECT_FALSE(tape.IsEditView());
}

// However much memory the steps take, the oldest of them still come back exactly.
TEST(TapeHistory, KeepsAtLeastTwoHundredChanges) {
  struct Case {
    const char* name;
    std::size_t changes;
    std::size_t textBytes;
  };
  const Case cases[] = {
      {"SmallChanges", TapeHistory::kMaxChanges + 50, 1},
      {"ChangesBeyondTheMemoryBudget", TapeHistory::kMinChanges + 20, 200 * 1024},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTape tape = StartTape();
    TapeRecorder recorder(tape);
    TapeHistory history;
    std::vector<std::string> states;
    for (std::size_t change = 0; change < c.changes; ++change) {
      states.push_back(Dump(tape));
      recorder.Begin();
      tape.SetOperandText(3, std::string(c.textBytes, static_cast<char>('a' + change % 26)) +
                                 std::to_string(change));
      history.Record(recorder.End(), StepKind::Change);
    }
    std::size_t undone = 0;
    while (history.Undo(tape)) ++undone;
    EXPECT_GE(undone, TapeHistory::kMinChanges);
    EXPECT_EQ(Dump(tape), states[c.changes - undone]);
  }
}

}  // namespace
}  // namespace cinta
