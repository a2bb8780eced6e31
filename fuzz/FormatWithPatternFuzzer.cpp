// SPDX-License-Identifier: MIT
// Any value with any pattern gives a sign, digits with "." groups and a "," decimal mark, then
// the rest of the pattern; with the patterns of the format keys the text reads back as the
// value to within half a unit of its last decimal place.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "calc/FormatWithPattern.h"
#include "calc/NumberText.h"
#include "calc/Views.h"

namespace cinta {
namespace {

// An optional "-" before some nonzero digit, then digits with "." group marks, then at most one
// "," with the decimals after it.
bool IsNumberShape(std::string_view number) {
  if (number.starts_with('-')) {
    number.remove_prefix(1);
    if (number.find_first_of("123456789") == std::string_view::npos) return false;
  }
  const std::size_t mark = number.find(',');
  const std::string_view integer = number.substr(0, mark);
  if (integer.find_first_not_of("0123456789.") != std::string_view::npos) return false;
  if (mark == std::string_view::npos) return true;
  const std::string_view decimals = number.substr(mark + 1);
  return !decimals.empty() && decimals.find_first_not_of("0123456789") == std::string_view::npos;
}

// The text is a number followed by what the pattern holds after some leading run of its
// "#0,." characters.
bool IsNumberThenPatternTail(std::string_view text, std::string_view pattern) {
  for (std::size_t k = 0; k <= pattern.size(); ++k) {
    const std::string_view tail = pattern.substr(k);
    if (text.ends_with(tail) && IsNumberShape(text.substr(0, text.size() - tail.size())))
      return true;
    if (k < pattern.size() && std::string_view("#0,.").find(pattern[k]) == std::string_view::npos)
      return false;
  }
  return false;
}

// The format keys' patterns; they end in their literal part, so the number is what precedes it.
void CheckValue(double value, std::string_view text, std::string_view literal, int decimals) {
  Require(text.ends_with(literal), "the pattern's literal part ends the text");
  const std::string_view number = text.substr(0, text.size() - literal.size());
  Require(IsNumberShape(number), "the number has the shape of a formatted number");
  std::string plain;
  for (const char c : number) {
    if (c == ',') {
      plain += '.';
    } else if (c != '.') {
      plain += c;
    }
  }
  const std::optional<double> read = TextToNumber(plain);
  Require(read.has_value(), "the formatted number reads back");
  const double shown = std::isfinite(value) ? value : 0;
  const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(shown) * 1e-15;
  Require(std::fabs(*read - shown) <= tolerance, "the formatted number is the value rounded");
  Require(!number.starts_with('-') || *read != 0, "zero has no minus sign");
}

void FuzzOne(FuzzedDataProvider& input) {
  const double value = ConsumeAnyDouble(input);
  const int key = input.ConsumeIntegralInRange(0, kFormatModeCount);
  const std::optional<FormatMode> formatMode = FormatModeOfKey(key);
  if (!formatMode) {
    const std::string pattern = input.ConsumeRemainingBytesAsString();
    Require(IsNumberThenPatternTail(FormatWithPattern(value, pattern), pattern),
            "a number, then the rest of the pattern");
    return;
  }
  if (formatMode == FormatMode::EditView) return;  // the edit view's key has no pattern
  const std::string symbol = input.ConsumeRemainingBytesAsString();
  const std::string pattern = PatternForFormatMode(*formatMode, symbol);
  const std::string text = FormatWithPattern(value, pattern);
  const std::size_t literalAt = pattern.find_first_not_of("#0,.");
  const std::string_view literal = literalAt == std::string::npos
                                       ? std::string_view()
                                       : std::string_view(pattern).substr(literalAt);
  CheckValue(
      value, text, literal,
      formatMode == FormatMode::TwoDecimals || formatMode == FormatMode::TwoDecimalsWithCurrency
          ? 2
          : 0);
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  cinta::FuzzOne(input);
  return 0;
}
