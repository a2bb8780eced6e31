// SPDX-License-Identifier: MIT
#include "calc/OperatorRules.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace cinta {
namespace {

// Every rule reports a failure as a non-finite result, as the floating-point operations
// themselves do on overflow or an invalid operation; plain doubles keep the hot path free of
// wrappers.
constexpr double kNoResult = std::numeric_limits<double>::quiet_NaN();

// A negative base has a real power only for a whole exponent; 0 to a negative power has none.
// A power beyond the double range comes out infinite.
double Power(double base, double exponent) {
  if (base == 0 && exponent < 0) return kNoResult;
  if (base < 0 && exponent != std::trunc(exponent)) return kNoResult;
  return std::pow(base, exponent);
}

// Rounds half to even without relying on the floating-point rounding mode in force; false when
// the whole number does not fit 32 bits.
bool ToWhole(double value, std::int32_t& whole) {
  constexpr double kBeyondInt32 = 4e9;  // keeps the 64-bit conversion below defined
  if (!(std::fabs(value) < kBeyondInt32)) return false;
  const double floor = std::floor(value);
  auto rounded = static_cast<std::int64_t>(floor);
  const double fraction = value - floor;  // exact: the fraction of a double is a double
  if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) ++rounded;
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  whole = static_cast<std::int32_t>(rounded);
  return true;
}

// Truncating whole-number division of whole(total) by whole(divisor).
double WholeDivision(OperatorCode code, double divisor, double total) {
  std::int32_t a = 0;
  std::int32_t b = 0;
  if (!ToWhole(divisor, a) || !ToWhole(total, b) || a == 0) return kNoResult;
  if (b == std::numeric_limits<std::int32_t>::min() && a == -1) return kNoResult;
  return code == OperatorCode::Remainder ? b % a : b / a;
}

// 2 x 3 x ... x k for every whole k up to total; the product leaves the double range at 171.
double Factorial(double total) {
  double product = 1;
  for (int k = 2; k <= total && std::isfinite(product); ++k) product *= k;
  return product;
}

}  // namespace

RowOutcome ApplyOperator(OperatorCode code, double value, double& total) {
  const double t = total;
  double result = kNoResult;
  switch (code) {
    case OperatorCode::Add:
      result = value + t;
      break;
    case OperatorCode::Subtract:
      result = t - value;
      break;
    case OperatorCode::Multiply:
      result = value * t;
      break;
    case OperatorCode::Divide:
      if (value == 0) return RowOutcome::Refused;
      result = t / value;
      break;
    case OperatorCode::Power:
      result = Power(t, value);
      break;
    case OperatorCode::Percent:
      // The product first: once it leaves the double range, dividing cannot bring it back.
      result = value * t / 100;
      break;
    case OperatorCode::SquareRoot:
      result = std::sqrt(t);  // not a number for a negative total
      break;
    case OperatorCode::Reciprocal:
      if (value == 0) return RowOutcome::Refused;
      result = 1 / t;
      break;
    case OperatorCode::Root: {
      if (value == 0) return RowOutcome::Refused;
      const double exponent = 1 / value;
      if (std::isfinite(exponent)) result = Power(t, exponent);
      break;
    }
    case OperatorCode::Remainder:
    case OperatorCode::IntegerQuotient:
      if (value == 0) return RowOutcome::Refused;
      result = WholeDivision(code, value, t);
      break;
    case OperatorCode::Factorial:
      result = Factorial(t);
      break;
  }
  if (!std::isfinite(result)) return RowOutcome::Failed;
  total = result;
  return RowOutcome::Applied;
}

}  // namespace cinta
