// SPDX-License-Identifier: MIT
// Any text reads as a finite number or as out of range; a plain decimal text reads as the C
// library reads it; and every double survives NumberToText and TextToNumber rounded to 15
// significant digits.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "calc/NumberText.h"

namespace cinta {
namespace {

// The C library's own rounding to 15 significant digits.
double RoundedTo15Digits(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.14e", value);
  return std::strtod(text, nullptr);
}

void CheckRoundTrip(double value) {
  if (!std::isfinite(value)) return;
  const std::string text = NumberToText(value);
  Require(text != "-0", "NumberToText never writes -0");
  const auto read = TextToNumber(text);
  // The largest doubles round up past the double range at 15 digits; their text then reads
  // as out of range, as the C library reads it.
  const double rounded = RoundedTo15Digits(value);
  if (std::isinf(rounded)) {
    Require(!read.has_value(), "a text beyond the double range has no value");
    return;
  }
  Require(read.has_value(), "NumberToText's text reads back");
  Require(*read == rounded, "read back as the value rounded to 15 digits");
  Require(NumberToText(*read) == text, "the text of the rounded value is the same text");
}

// Without blanks, "&" and letters other than the exponent mark, the reader must agree with strtod
// on the longest number at the start of the text.
bool IsPlainDecimal(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    const bool allowed =
        (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
    if (!allowed) return false;
  }
  return true;
}

void CheckAgainstStrtod(const std::string& text, const std::optional<double>& read) {
  if (!IsPlainDecimal(text)) return;
  errno = 0;
  const double expected = std::strtod(text.c_str(), nullptr);
  if (errno == ERANGE && std::fabs(expected) > 1) {
    Require(!read.has_value(), "a number beyond the double range has no value");
    return;
  }
  Require(read.has_value(), "a number in range has a value");
  // strtod may round an underflow to the smallest subnormal where the reader gives 0.
  if (errno == ERANGE) {
    Require(std::fabs(*read) <= std::fabs(expected), "an underflow reads as 0 or tiny");
    return;
  }
  Require(*read == expected, "the reader agrees with strtod");
}

void FuzzOne(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> read = TextToNumber(text);
  if (read) Require(std::isfinite(*read), "a text never reads as infinity or NaN");
  CheckAgainstStrtod(text, read);

  if (size >= sizeof(double)) {
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    CheckRoundTrip(value);
  }
  if (read) CheckRoundTrip(*read);
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  cinta::FuzzOne(data, size);
  return 0;
}
