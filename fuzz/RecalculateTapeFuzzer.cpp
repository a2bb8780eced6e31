// SPDX-License-Identifier: MIT
// A tape of random texts and codes evaluates without a crash to "ERROR" or to a finite number
// written the way NumberToText writes it; every row text it rewrites is such a number too, and a
// second evaluation of the same rows gives the same result.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "calc/MemoryTape.h"
#include "calc/NumberText.h"
#include "calc/RecalculateTape.h"

namespace cinta {
namespace {

constexpr int kMostRows = 64;
constexpr std::size_t kLongestText = 32;

bool IsShownNumber(const std::string& text) {
  const std::optional<double> value = TextToNumber(text);
  return value && std::isfinite(*value) && NumberToText(*value) == text;
}

// Any of the operators.
OperatorCode PickCode(FuzzedDataProvider& input) {
  return static_cast<OperatorCode>(input.ConsumeIntegralInRange(0, kOperatorCount - 1));
}

// Mostly number texts, which reach the operators; otherwise any bytes.
std::string PickText(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) return NumberToText(ConsumeAnyDouble(input));
  return input.ConsumeRandomLengthString(kLongestText);
}

void FuzzOne(FuzzedDataProvider& input) {
  MemoryTape tape;
  tape.SetOperandText(0, PickText(input));
  if (input.ConsumeBool()) tape.SetResultText("ERROR");
  while (tape.LastRow() < kMostRows && input.remaining_bytes() > 0) {
    // Named locals fix the order in which the two are taken from the input.
    const OperatorCode code = PickCode(input);
    const std::string text = PickText(input);
    tape.AppendRow(text, code);
  }
  const int evaluatedRows = input.ConsumeIntegralInRange(-1, tape.LastRow() + 2);

  std::vector<std::string> before;
  for (int row = 0; row <= tape.LastRow(); ++row) before.push_back(tape.OperandText(row));
  RecalculateTape(tape, evaluatedRows);
  const std::string result = tape.ResultText();
  Require(result == "ERROR" || IsShownNumber(result), "the result is a number text or ERROR");
  for (int row = 0; row <= tape.LastRow(); ++row) {
    const std::string text = tape.OperandText(row);
    if (text != before[static_cast<std::size_t>(row)])
      Require(IsShownNumber(text), "a rewritten row holds a number text");
  }

  RecalculateTape(tape, evaluatedRows);
  Require(tape.ResultText() == result, "evaluating the same rows again gives the same result");
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  cinta::FuzzOne(input);
  return 0;
}
