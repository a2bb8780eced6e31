// SPDX-License-Identifier: MIT
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "calc/NumberText.h"

namespace cinta {
namespace {

constexpr int kSignificantDigits = 15;

// A positive value rounded to 15 significant digits: digits[0] is not 0 and stands for
// 10^exponent.
struct FifteenDigits {
  char digits[kSignificantDigits];
  int exponent;
};

// Correct for every value: the library's exact conversion.
void RoundExactly(double magnitude, FifteenDigits& rounded) {
  // "d.dddddddddddddde+XX": a value that rounds up to the next power of ten already carries
  // that power's exponent.
  char scientific[32];
  const char* const printed = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                            std::chars_format::scientific, kSignificantDigits - 1)
                                  .ptr;
  rounded.digits[0] = scientific[0];
  std::copy_n(scientific + 2, kSignificantDigits - 1, rounded.digits + 1);
  const char* const exponentSign = scientific + kSignificantDigits + 2;
  int exponent = 0;
  for (const char* p = exponentSign + 1; p < printed; ++p) exponent = exponent * 10 + (*p - '0');
  rounded.exponent = *exponentSign == '-' ? -exponent : exponent;
}

// The 15 digits of `number` as three 5-digit parts, written side by side so that the three
// chains of divisions overlap instead of running one after another.
void WriteFifteenDigits(std::uint64_t number, char* out) {
  constexpr std::uint64_t kPart = 100'000;
  auto high = static_cast<std::uint32_t>(number / (kPart * kPart));
  auto middle = static_cast<std::uint32_t>(number / kPart % kPart);
  auto low = static_cast<std::uint32_t>(number % kPart);
  for (int i = 4; i >= 0; --i) {
    out[i] = static_cast<char>('0' + high % 10);
    out[i + 5] = static_cast<char>('0' + middle % 10);
    out[i + 10] = static_cast<char>('0' + low % 10);
    high /= 10;
    middle /= 10;
    low /= 10;
  }
}

// The exact conversion costs more than evaluating a few rows, and every unary row and every
// result needs one. For most values one multiplication by an exact power of ten gives the 15
// digits: the product is below 2^52, where halves are doubles, and rounding never moves a
// product across a double, so it lies on the same side of a half as the true product, or on the
// half itself. False in that last case and wherever the shortcut does not apply.
bool RoundQuickly(double magnitude, FifteenDigits& rounded) {
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr int kLargestExactPower = 22;
  constexpr double kLowest = 1e14;
  constexpr double kBeyond = 1e15;

  // With 2^(e-1) <= magnitude < 2^e, log10 of the value is floor((e - 1) log10 2) or one more;
  // 78913 / 2^18 is log10 2 close enough for every double exponent.
  int binaryExponent = 0;
  std::frexp(magnitude, &binaryExponent);
  int scale = kSignificantDigits - 1 - (((binaryExponent - 1) * 78913) >> 18);
  if (scale < 0 || scale > kLargestExactPower) return false;
  double scaled = magnitude * kPowersOfTen[scale];
  if (scaled >= kBeyond) {
    if (scale == 0) return false;
    scaled = magnitude * kPowersOfTen[--scale];
  }
  if (scaled < kLowest || scaled >= kBeyond - 1) return false;  // rounding up keeps 15 digits
  const auto whole = static_cast<std::uint64_t>(scaled);
  const double fraction = scaled - static_cast<double>(whole);  // exact above 2^46
  if (fraction == 0.5) return false;
  WriteFifteenDigits(whole + (fraction > 0.5 ? 1 : 0), rounded.digits);
  rounded.exponent = kSignificantDigits - 1 - scale;
  return true;
}

}  // namespace

std::string NumberToText(double value) {
  // Evaluation never produces such a value; the failure text reads back as 0.
  if (!std::isfinite(value)) return std::string(kErrorText);
  if (value == 0) return "0";
  const double magnitude = std::fabs(value);
  FifteenDigits rounded;
  if (!RoundQuickly(magnitude, rounded)) RoundExactly(magnitude, rounded);
  const char* const digits = rounded.digits;
  const int exponent = rounded.exponent;
  int digitCount = kSignificantDigits;
  while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;

  char text[40];
  char* out = text;
  if (value < 0) *out++ = '-';
  if (exponent >= kSignificantDigits || exponent < -4) {
    *out++ = digits[0];
    if (digitCount > 1) {
      *out++ = '.';
      out = std::copy(digits + 1, digits + digitCount, out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    if (std::abs(exponent) < 10) *out++ = '0';
    out = std::to_chars(out, text + sizeof text, std::abs(exponent)).ptr;
  } else if (exponent >= 0) {
    const int integerDigits = exponent + 1;
    for (int i = 0; i < integerDigits; ++i) *out++ = i < digitCount ? digits[i] : '0';
    if (digitCount > integerDigits) {
      *out++ = '.';
      out = std::copy(digits + integerDigits, digits + digitCount, out);
    }
  } else {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -exponent - 1, '0');
    out = std::copy(digits, digits + digitCount, out);
  }
  return std::string(text, out);
}

}  // namespace cinta
