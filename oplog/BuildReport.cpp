// SPDX-License-Identifier: MIT
#include "oplog/BuildReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <utility>

#include "textfile/Windows1252.h"

namespace cinta {
namespace {

constexpr std::ptrdiff_t kNameColumn = 6;
constexpr std::ptrdiff_t kValueColumn = 27;  // the decimal point of the edit view
constexpr std::size_t kSeparatorLength = 30;
constexpr std::size_t kTypicalRowBytes = 40;

// The report's text with the column, counted from 1, where its next character goes.
class ReportLines {
 public:
  explicit ReportLines(std::size_t capacity) { bytes_.reserve(capacity); }

  // Spaces up to `column`; when the line already runs past it, a new line indented to it. A
  // column below 1 counts as 1.
  void FillTo(std::ptrdiff_t column) {
    column = std::max<std::ptrdiff_t>(column, 1);
    if (nextColumn_ > column) EndLine();
    bytes_.append(static_cast<std::size_t>(column - nextColumn_), ' ');
    nextColumn_ = column;
  }

  void Write(std::string_view text) {
    bytes_ += text;
    nextColumn_ += static_cast<std::ptrdiff_t>(text.size());
  }

  void EndLine() {
    bytes_ += "\r\n";
    nextColumn_ = 1;
  }

  std::string Take() && { return std::move(bytes_); }

 private:
  std::string bytes_;
  std::ptrdiff_t nextColumn_ = 1;
};

// The operator keys write "0" to "11"; the caption is read as a plain decimal number, so
// decimal digits alone (leading zeros allowed) up to 12, the unused last name. A sign, a blank,
// a point or an empty caption is no number.
std::optional<std::size_t> ReadNameIndex(std::string_view caption) {
  if (caption.empty()) return std::nullopt;
  std::size_t value = 0;
  for (const char c : caption) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(c - '0');
    if (value >= std::tuple_size_v<OperatorNames>) return std::nullopt;
  }
  return value;
}

// The width that goes left of the alignment column: in the edit view the characters before the
// first `mark` (all of them without one), in the formatted view the whole text.
std::ptrdiff_t AlignedWidth(std::string_view text, ReportView view, char mark) {
  const std::size_t width =
      view == ReportView::Edit ? std::min(text.find(mark), text.size()) : text.size();
  return static_cast<std::ptrdiff_t>(width);
}

void WriteRowLabel(ReportLines& lines, std::size_t number) {
  std::array<char, 24> label{' '};
  const char* end = std::to_chars(label.data() + 1, label.data() + label.size(), number).ptr;
  lines.Write(std::string_view(label.data(), end));
  lines.Write(" )");
}

// A line break inside a text (an operator name read from a file with LF line ends, a currency
// sign that is a CR) would split its line without CR LF; it is written as a space instead, which
// keeps the columns.
std::string EncodeOnOneLine(std::string_view text) {
  std::string bytes = EncodeWindows1252(text);
  std::replace_if(
      bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return bytes;
}

}  // namespace

std::string BuildReport(std::span<const ReportRow> rows, std::string_view result, ReportView view,
                        const OperatorNames& names) {
  OperatorNames encodedNames;
  std::transform(names.begin(), names.end(), encodedNames.begin(), EncodeOnOneLine);
  ReportLines lines((rows.size() + 4) * kTypicalRowBytes);  // the rows and four more lines
  lines.EndLine();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::optional<std::size_t> nameIndex;
    if (i > 0) {
      nameIndex = ReadNameIndex(rows[i].operatorCode);
      if (!nameIndex) continue;  // the whole line is left out, label included
    }
    const std::string value = EncodeOnOneLine(rows[i].value);
    WriteRowLabel(lines, i + 1);
    if (nameIndex) {
      lines.FillTo(kNameColumn);
      lines.Write(encodedNames[*nameIndex]);
    }
    lines.FillTo(kValueColumn - AlignedWidth(value, view, '.'));
    lines.Write(value);
    lines.EndLine();
  }
  lines.EndLine();
  lines.Write(std::string(kSeparatorLength, '-'));
  lines.EndLine();
  const std::string resultBytes = EncodeOnOneLine(result);
  lines.FillTo(kValueColumn - AlignedWidth(resultBytes, view, ','));
  lines.Write(resultBytes);
  lines.EndLine();
  return std::move(lines).Take();
}

}  // namespace cinta
