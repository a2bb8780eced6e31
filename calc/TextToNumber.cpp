// SPDX-License-Identifier: MIT
#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

#include "calc/NumberText.h"

namespace cinta {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsOctalDigit(char c) {
  return c >= '0' && c <= '7';
}

// Walks a text as if its blanks were not there.
class NonBlankCursor {
 public:
  explicit NonBlankCursor(std::string_view text) : text_(text) {}

  // The next non-blank character, or '\0' at the end of the text.
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
      ++pos_;
      ++blanks_;
    }
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }
  std::size_t Position() const { return pos_; }
  // How many blanks were skipped so far: tells whether a stretch of the text had any.
  std::size_t Blanks() const { return blanks_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t blanks_ = 0;
};

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text)
    if (!IsBlank(c)) kept += c;
  return kept;
}

// Only called when the text is out of the double range: tells overflow from underflow by the
// decimal position of the first significant digit. Both lie hundreds of places from 0, so an
// estimate within one place is enough.
bool IsTooLarge(std::string_view number) {
  long long digitCount = 0;
  long long pointAt = -1;
  long long firstSignificant = -1;
  std::size_t i = number.empty() || number[0] != '-' ? 0 : 1;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    if (number[i] == '.') {
      pointAt = digitCount;
      continue;
    }
    if (firstSignificant < 0 && number[i] != '0') firstSignificant = digitCount;
    ++digitCount;
  }
  if (pointAt < 0) pointAt = digitCount;
  long long exponent = 0;
  if (i < number.size()) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    constexpr long long kSaturated = 1'000'000'000;
    for (; i < number.size() && exponent < kSaturated; ++i)
      exponent = exponent * 10 + (number[i] - '0');
    if (negative) exponent = -exponent;
  }
  return pointAt - firstSignificant + exponent > 0;
}

std::optional<double> ReadDecimal(std::string_view text, NonBlankCursor& in) {
  char c = in.Peek();
  // from_chars takes "-" but not "+", so a "+" stays out of the accepted characters.
  if (c == '+') {
    in.Advance();
    in.Peek();
  }
  const std::size_t begin = in.Position();
  const std::size_t blanksBefore = in.Blanks();
  if (c == '-') in.Advance();
  std::size_t end = begin;
  std::size_t blanksToEnd = blanksBefore;
  bool anyDigit = false;
  bool point = false;
  for (c = in.Peek();; c = in.Peek()) {
    if (IsDigit(c)) {
      anyDigit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    in.Advance();
    end = in.Position();
    blanksToEnd = in.Blanks();
  }
  if (!anyDigit) return 0.0;
  if (c == 'E' || c == 'e') {
    in.Advance();
    c = in.Peek();
    if (c == '+' || c == '-') {
      in.Advance();
      c = in.Peek();
    }
    for (; IsDigit(c); c = in.Peek()) {
      in.Advance();
      end = in.Position();
      blanksToEnd = in.Blanks();
    }
  }

  std::string_view accepted = text.substr(begin, end - begin);
  std::string kept;
  if (blanksToEnd != blanksBefore) {
    kept = WithoutBlanks(accepted);
    accepted = kept;
  }
  double value = 0;
  const auto result = std::from_chars(accepted.data(), accepted.data() + accepted.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (IsTooLarge(accepted)) return std::nullopt;
    return 0.0;
  }
  return value;
}

// Octal digits as hexadecimal ones with the same bits, so that one correctly rounded
// conversion serves both bases.
std::string OctalToHex(std::string_view octal) {
  std::string bits;
  bits.reserve(octal.size() * 3 + 3);
  for (char c : octal) {
    const int digit = c - '0';
    for (int bit = 2; bit >= 0; --bit) bits += (digit >> bit & 1) != 0 ? '1' : '0';
  }
  bits.insert(0, (4 - bits.size() % 4) % 4, '0');
  std::string hex;
  hex.reserve(bits.size() / 4);
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    int nibble = 0;
    for (std::size_t j = i; j < i + 4; ++j) nibble = nibble * 2 + (bits[j] - '0');
    hex += "0123456789ABCDEF"[nibble];
  }
  return hex;
}

// After "&": "H" or "O" and the digits of that base.
std::optional<double> ReadWholeInBase(NonBlankCursor& in) {
  const char kind = in.Peek();
  const bool hex = kind == 'H' || kind == 'h';
  if (!hex && kind != 'O' && kind != 'o') return 0.0;
  in.Advance();
  std::string digits;
  for (char c = in.Peek(); hex ? IsHexDigit(c) : IsOctalDigit(c); c = in.Peek()) {
    digits += c;
    in.Advance();
  }
  if (digits.empty()) return 0.0;
  if (!hex) digits = OctalToHex(digits);
  double value = 0;
  const auto result =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
  if (result.ec == std::errc::result_out_of_range) return std::nullopt;
  return value;
}

// The common typed text ("1234.56", "-17.5") read by from_chars alone. Starting with "-", a
// digit or "." (so no blank, "+", "&", "inf" or "nan"), the number has the shape from_chars
// reads, and both stop at the same character unless that character is a blank (the number may
// go on behind it) or an exponent mark (its digits may come after blanks). False for those
// texts and for texts out of range: they need the full reader.
bool ReadPlainText(std::string_view text, double& value) {
  if (text.empty()) return false;
  const char first = text[0] == '-' && text.size() > 1 ? text[1] : text[0];
  if (!IsDigit(first) && first != '.') return false;
  double read = 0;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, read);
  if (error != std::errc{}) return false;
  if (stop != end && (IsBlank(*stop) || *stop == 'E' || *stop == 'e')) return false;
  value = read;
  return true;
}

}  // namespace

bool ReadNumberText(std::string_view text, double& value) {
  if (ReadPlainText(text, value)) return true;
  NonBlankCursor in(text);
  std::optional<double> read;
  if (in.Peek() == '&') {
    in.Advance();
    read = ReadWholeInBase(in);
  } else {
    read = ReadDecimal(text, in);
  }
  if (!read) return false;
  value = *read;
  return true;
}

}  // namespace cinta
