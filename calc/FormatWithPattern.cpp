// SPDX-License-Identifier: MIT
#include "calc/FormatWithPattern.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace cinta {
namespace {

constexpr char kGroupSeparator = '.';
constexpr char kDecimalMark = ',';

// What the leading "#0,." characters of a pattern ask for.
struct NumericSection {
  std::size_t minIntegerDigits = 0;
  std::size_t minDecimals = 0;
  std::size_t maxDecimals = 0;
  bool grouping = false;
  std::size_t length = 0;
};

bool IsDigitPlace(char c) {
  return c == '0' || c == '#';
}

NumericSection ParseSection(std::string_view pattern) {
  NumericSection section;
  std::size_t i = 0;
  bool placeSeen = false;
  bool commaAfterPlace = false;
  for (; i < pattern.size() && (IsDigitPlace(pattern[i]) || pattern[i] == ','); ++i) {
    if (pattern[i] == ',') {
      commaAfterPlace = placeSeen;
      continue;
    }
    // Grouping needs a "," between two digit places.
    if (commaAfterPlace) section.grouping = true;
    placeSeen = true;
    if (pattern[i] == '0') ++section.minIntegerDigits;
  }
  if (i < pattern.size() && pattern[i] == '.') {
    for (++i; i < pattern.size() && IsDigitPlace(pattern[i]); ++i) {
      ++section.maxDecimals;
      if (pattern[i] == '0') section.minDecimals = section.maxDecimals;
    }
  }
  section.length = i;
  return section;
}

// |value| x 10^decimals rounded half away from zero, as decimal digits. Rounding works on the
// shortest text that reads back as the value, so 1234.565 rounds up as written, and the digit
// string has no size limit, so 1E+300 needs no integer type wide enough for it.
std::string ScaledDigits(double value, std::size_t decimals) {
  char buffer[32];
  const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(printed.ptr - buffer));
  const std::size_t exponentAt = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, exponentAt))
    if (c != '.') digits += c;
  int exponent = 0;
  const char* exponentDigits = scientific.data() + exponentAt + 2;
  std::from_chars(exponentDigits, scientific.data() + scientific.size(), exponent);
  if (scientific[exponentAt + 1] == '-') exponent = -exponent;

  // How many leading digits of the value stand before the scaled value's decimal point.
  const long long kept = exponent + 1 + static_cast<long long>(decimals);
  std::string scaled;
  if (kept > 0) {
    scaled = digits.substr(0, static_cast<std::size_t>(kept));
    scaled.append(static_cast<std::size_t>(kept) - scaled.size(), '0');
  }
  const bool roundUp = kept >= 0 && static_cast<std::size_t>(kept) < digits.size() &&
                       digits[static_cast<std::size_t>(kept)] >= '5';
  if (roundUp) {
    std::size_t i = scaled.size();
    while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
    if (i == 0) {
      scaled.insert(0, 1, '1');
    } else {
      ++scaled[i - 1];
    }
  }
  return scaled;
}

std::string Grouped(std::string_view integer) {
  std::string grouped;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) grouped += kGroupSeparator;
    grouped += integer[i];
  }
  return grouped;
}

}  // namespace

std::string FormatWithPattern(double value, std::string_view pattern) {
  // Texts never read as infinity or NaN; formatting cannot fail, so such a value shows as 0.
  if (!std::isfinite(value)) value = 0;
  const NumericSection section = ParseSection(pattern);

  std::string scaled = ScaledDigits(value, section.maxDecimals);
  if (scaled.size() < section.maxDecimals)
    scaled.insert(0, section.maxDecimals - scaled.size(), '0');
  const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
  std::string integer = scaled.substr(0, scaled.size() - section.maxDecimals);
  std::string fraction = scaled.substr(scaled.size() - section.maxDecimals);

  integer.erase(0, integer.find_first_not_of('0'));
  if (integer.size() < section.minIntegerDigits)
    integer.insert(0, section.minIntegerDigits - integer.size(), '0');
  while (fraction.size() > section.minDecimals && fraction.back() == '0') fraction.pop_back();

  std::string text = value < 0 && !isZero ? "-" : "";
  text += section.grouping ? Grouped(integer) : integer;
  if (!fraction.empty()) text.append(1, kDecimalMark).append(fraction);
  text.append(pattern.substr(section.length));
  return text;
}

}  // namespace cinta
