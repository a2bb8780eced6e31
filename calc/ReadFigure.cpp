// SPDX-License-Identifier: MIT
#include "calc/ReadFigure.h"

#include <algorithm>
#include <array>

namespace cinta {
namespace {

// The spaces that group digits besides the plain one, and the typographic minus sign.
struct Substitute {
  std::string_view sequence;
  char plain;
};
constexpr std::array<Substitute, 5> kSubstitutes = {{
    {"\u00a0", ' '},  // no-break space
    {"\u202f", ' '},  // narrow no-break space
    {"\u2009", ' '},  // thin space
    {"\t", ' '},
    {"\u2212", '-'},
}};
constexpr std::array<std::string_view, 6> kCurrencies = {"\u20ac", "$", "EUR", "USD", "Bs.", "S/"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The text with every kind of space as a plain space and the typographic minus as "-", so that
// the rest of the reader sees ASCII around the digits.
std::string Plain(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size();) {
    const auto substitute =
        std::find_if(kSubstitutes.begin(), kSubstitutes.end(), [&](const Substitute& candidate) {
          return text.substr(i).starts_with(candidate.sequence);
        });
    if (substitute == kSubstitutes.end()) {
      plain += text[i++];
    } else {
      plain += substitute->plain;
      i += substitute->sequence.size();
    }
  }
  return plain;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Takes one decoration off either end of the figure (a currency, a percent sign, a sign or the
// parentheses of an accounting negative), counting the negatives; false when none was left.
bool StripDecoration(std::string_view& text, int& negatives) {
  for (const std::string_view currency : kCurrencies) {
    if (text.starts_with(currency)) {
      text.remove_prefix(currency.size());
      return true;
    }
    if (text.ends_with(currency)) {
      text.remove_suffix(currency.size());
      return true;
    }
  }
  if (text.ends_with('%')) {
    text.remove_suffix(1);
    return true;
  }
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    text = text.substr(1, text.size() - 2);
    ++negatives;
    return true;
  }
  if (text.starts_with('-') || text.ends_with('-')) {
    text = text.starts_with('-') ? text.substr(1) : text.substr(0, text.size() - 1);
    ++negatives;
    return true;
  }
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    return true;
  }
  return false;
}

// Which of "." and "," `body` shows as its decimal mark, '?' when a single mark before three
// digits leaves it unclear, or '\0' when it has none.
char DecimalMarkShown(std::string_view body) {
  const std::size_t lastPoint = body.rfind('.');
  const std::size_t lastComma = body.rfind(',');
  if (lastPoint != std::string_view::npos && lastComma != std::string_view::npos)
    return lastPoint > lastComma ? '.' : ',';
  const char mark = lastPoint != std::string_view::npos ? '.' : ',';
  const std::size_t at = std::min(lastPoint, lastComma);
  if (at == std::string_view::npos) return '\0';
  // A mark that appears twice can only group.
  if (body.find(mark) != at) return '\0';
  const std::size_t digitsAfter = body.size() - at - 1;
  if (digitsAfter == 3 && at > 0) return '?';
  return mark;
}

// The figure's body: `text` without blanks and decorations, and how many negatives those held;
// nullopt when the decorations contradict.
std::optional<std::string_view> Body(std::string_view text, int& negatives) {
  std::string_view body = Trimmed(text);
  negatives = 0;
  while (StripDecoration(body, negatives)) body = Trimmed(body);
  if (negatives > 1 || body.empty()) return std::nullopt;
  return body;
}

// The digits of the integer part, when its groups are those of a written figure: one group, or
// a first group of one to three digits and then groups of exactly three.
std::optional<std::string> IntegerDigits(std::string_view part, char groupMark) {
  std::string digits;
  std::size_t groupLength = 0;
  int groups = 1;
  for (const char c : part) {
    if (IsDigit(c)) {
      digits += c;
      ++groupLength;
      continue;
    }
    if (c != ' ' && c != groupMark) return std::nullopt;
    const bool firstGroupFits = groups > 1 || (groupLength >= 1 && groupLength <= 3);
    if (!firstGroupFits || (groups > 1 && groupLength != 3)) return std::nullopt;
    ++groups;
    groupLength = 0;
  }
  if (groups > 1 && groupLength != 3) return std::nullopt;
  return digits;
}

}  // namespace

std::optional<std::string> ReadFigure(std::string_view text, DecimalMark unclear) {
  const std::string plain = Plain(text);
  int negatives = 0;
  const std::optional<std::string_view> read = Body(plain, negatives);
  if (!read) return std::nullopt;
  const std::string_view body = *read;

  char decimal = DecimalMarkShown(body);
  if (decimal == '?') {
    const char mark = body.find('.') != std::string_view::npos ? '.' : ',';
    decimal = mark == static_cast<char>(unclear) ? mark : '\0';
  }
  // The other mark groups; without a decimal mark, the mark the figure has.
  char group = decimal == ',' ? '.' : ',';
  if (decimal == '\0' && body.find('.') != std::string_view::npos) group = '.';
  const std::size_t at = decimal == '\0' ? body.size() : body.rfind(decimal);
  const std::optional<std::string> integer = IntegerDigits(body.substr(0, at), group);
  if (!integer) return std::nullopt;
  const std::string_view fraction = at < body.size() ? body.substr(at + 1) : std::string_view();
  if (!std::all_of(fraction.begin(), fraction.end(), IsDigit)) return std::nullopt;
  if (integer->empty() && fraction.empty()) return std::nullopt;

  std::string figure = negatives == 1 ? "-" : "";
  figure += *integer;
  if (decimal != '\0') figure.append(".").append(fraction);
  return figure;
}

std::optional<DecimalMark> ShownDecimalMark(std::string_view text) {
  const std::string plain = Plain(text);
  int negatives = 0;
  const std::optional<std::string_view> body = Body(plain, negatives);
  if (!body || !ReadFigure(text)) return std::nullopt;
  switch (DecimalMarkShown(*body)) {
    case ',':
      return DecimalMark::Comma;
    case '.':
      return DecimalMark::Point;
    default:
      return std::nullopt;
  }
}

}  // namespace cinta
