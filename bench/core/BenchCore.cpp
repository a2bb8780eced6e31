// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "calc/FormatWithPattern.h"
#include "calc/Key.h"
#include "calc/MemoryTape.h"
#include "calc/NumberText.h"
#include "calc/RecalculateTape.h"
#include "calc/RowKeys.h"
#include "session/TapeSession.h"

namespace cinta {
namespace {

using enum OperatorCode;

struct Row {
  std::string_view text;
  OperatorCode code;
};

// An everyday tape: sums, differences, products, quotients and percentages of typical amounts.
// One pass of the cycle leaves the total nearly where it was, so no row ever fails.
constexpr std::array<Row, 16> kEverydayCycle = {{
    {"1234.56", Add},
    {"-17.5", Add},
    {"3", Multiply},
    {"17.5", Subtract},
    {"3", Divide},
    {"250", Add},
    {"12.5", Subtract},
    {"100", Percent},
    {"2", Multiply},
    {"2", Divide},
    {"99.99", Add},
    {"99.99", Subtract},
    {"1.5", Multiply},
    {"1.5", Divide},
    {"1234.56", Subtract},
    {"-226.06", Subtract},
}};

// Every operator code equally often, unary ones included, which rewrite their row's text on
// every evaluation. The total changes by a few units per cycle, so 32768 rows never fail.
constexpr std::array<Row, 16> kEveryCodeCycle = {{
    {"1234.56", Add},
    {"3", Multiply},
    {"17.5", Subtract},
    {"3", Divide},
    {"100", Percent},
    {"2", Power},
    {"2", Root},
    {"", SquareRoot},
    {"2", Power},
    {"17.5", Add},
    {"1234.56", Subtract},
    {"1000000", Remainder},
    {"1", IntegerQuotient},
    {"", Reciprocal},
    {"", Reciprocal},
    {"-4.5", Multiply},
}};

MemoryTape TapeOf(const std::array<Row, 16>& cycle, int rowCount) {
  MemoryTape tape;
  tape.SetOperandText(0, "1234.56");
  for (int row = 1; row < rowCount; ++row) {
    const Row& cycleRow = cycle[static_cast<std::size_t>(row) % cycle.size()];
    tape.AppendRow(cycleRow.text, cycleRow.code);
  }
  return tape;
}

void RunRecalculateTape(benchmark::State& state, const std::array<Row, 16>& cycle) {
  const int rowCount = static_cast<int>(state.range(0));
  MemoryTape tape = TapeOf(cycle, rowCount);
  for (auto _ : state) {
    RecalculateTape(tape, rowCount);
    benchmark::DoNotOptimize(tape);
  }
  if (tape.ResultText() == "ERROR") state.SkipWithError("the tape failed before its last row");
  state.SetItemsProcessed(state.iterations() * rowCount);
  // Seconds per row; the console shows it with its unit prefix ("21.3n" is 21.3 ns).
  state.counters["per_row"] = benchmark::Counter(
      rowCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_RecalculateTape(benchmark::State& state) {
  RunRecalculateTape(state, kEverydayCycle);
}
BENCHMARK(BM_RecalculateTape)->Arg(10)->Arg(1000)->Arg(32768);

void BM_RecalculateTapeEveryCode(benchmark::State& state) {
  RunRecalculateTape(state, kEveryCodeCycle);
}
BENCHMARK(BM_RecalculateTapeEveryCode)->Arg(10)->Arg(1000)->Arg(32768);

constexpr std::array<std::string_view, 8> kTexts = {
    "1234.56", "-17.5", "3", "0.4", "1000000", "1.5E+20", "0.333333333333333", "9876543.219"};

void BM_TextToNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (std::string_view text : kTexts) benchmark::DoNotOptimize(TextToNumber(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(kTexts.size()));
}
BENCHMARK(BM_TextToNumber);

constexpr std::array<double, 8> kValues = {1234.56, -17.5,  3,       0.4,
                                           1e6,     1.5e20, 1.0 / 3, -9876543.219};

void BM_NumberToText(benchmark::State& state) {
  for (auto _ : state) {
    for (double value : kValues) benchmark::DoNotOptimize(NumberToText(value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(kValues.size()));
}
BENCHMARK(BM_NumberToText);

void BM_FormatWithPattern(benchmark::State& state) {
  for (auto _ : state) {
    for (double value : kValues) {
      benchmark::DoNotOptimize(FormatWithPattern(value, "##,##0.00 \u20ac"));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(kValues.size()));
}
BENCHMARK(BM_FormatWithPattern);

// C on the longest everyday tape and its undo, in the session without a window: the model's and
// the history's share of what the window's C and undo cost. Each iteration times one C and one
// undo, which brings the tape back for the next.
void BM_ClearAndUndo(benchmark::State& state) {
  TapeSession session(TapeOf(kEverydayCycle, kLastRow + 1));
  session.Press(Key::Equals);
  for (auto _ : state) {
    {
      const TapeSession::Step step(session, StepKind::Change);
      session.Press(Key::Clear);
    }
    session.Undo();
  }
  if (session.Tape().LastRow() != kLastRow) state.SkipWithError("undo did not bring the rows back");
}
BENCHMARK(BM_ClearAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cinta

BENCHMARK_MAIN();
