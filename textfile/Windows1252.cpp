// SPDX-License-Identifier: MIT
#include "textfile/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <optional>

namespace cinta {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The characters of the bytes 0x80 to 0x9F; from 0xA0 on, the byte is the code point.
constexpr std::array<char32_t, 32> kHighControls = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178',
};

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    // No character of the table lies above U+FFFF.
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

struct Utf8Step {
  bool valid;
  char32_t codePoint;
  std::size_t length;     // bytes consumed; for invalid input, the broken piece that gives one "?"
  bool cutShort = false;  // invalid only because the text ends inside the character
};

// Reads one character at `pos`. Invalid input is consumed as its longest prefix that could
// still have begun a valid sequence, the usual way of replacing broken UTF-8.
Utf8Step ReadUtf8(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {true, lead, 1};
  std::size_t continuations = 0;
  char32_t codePoint = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    codePoint = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    codePoint = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return {false, 0, 1};
  }
  std::size_t length = 1;
  for (std::size_t k = 0; k < continuations; ++k) {
    if (pos + length >= text.size()) return {false, 0, length, true};
    const auto next = static_cast<unsigned char>(text[pos + length]);
    if (next < low || next > high) return {false, 0, length};
    codePoint = (codePoint << 6) | (next & 0x3F);
    ++length;
    low = 0x80;
    high = 0xBF;
  }
  return {true, codePoint, length};
}

// How many bytes at the start of `text` are whole UTF-8 characters when the rest is at most one
// character cut short by the end of the text; nullopt when the text holds broken UTF-8.
std::optional<std::size_t> WholeUtf8Length(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Step step = ReadUtf8(text, pos);
    if (!step.valid) return step.cutShort ? std::optional(pos) : std::nullopt;
    pos += step.length;
  }
  return text.size();
}

char ToWindows1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  const auto found = std::find(kHighControls.begin(), kHighControls.end(), codePoint);
  if (found == kHighControls.end()) return '?';
  return static_cast<char>(0x80 + std::distance(kHighControls.begin(), found));
}

}  // namespace

std::string DecodeWindows1252(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    if (value < 0x80) {
      utf8 += byte;
    } else {
      AppendUtf8(utf8, value < 0xA0 ? kHighControls[value - 0x80] : char32_t{value});
    }
  }
  return utf8;
}

std::string EncodeWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Step step = ReadUtf8(utf8, pos);
    bytes += step.valid ? ToWindows1252(step.codePoint) : '?';
    pos += step.length;
  }
  return bytes;
}

std::string DecodeUtf8OrWindows1252(std::string_view bytes, bool endMayBeCut) {
  const std::optional<std::size_t> whole = WholeUtf8Length(bytes);
  if (!whole || (*whole < bytes.size() && !endMayBeCut)) return DecodeWindows1252(bytes);
  std::string_view text = bytes.substr(0, *whole);
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  return std::string(text);
}

}  // namespace cinta
