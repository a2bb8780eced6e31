// SPDX-License-Identifier: MIT
#include "recovery/RecoveryRecord.h"

#include <limits>

#include "calc/OperatorCode.h"
#include "recovery/Crc32.h"

namespace cinta {
namespace {

// A record's size and checksum, before its contents.
constexpr std::size_t kFrameBytes = 8;
// Rows 0 to 32767; row 0's operator is always Add.
constexpr std::uint32_t kMaxRows = 32768;
// Far beyond any place a real tape reaches, small enough that no arithmetic on it overflows.
constexpr std::int32_t kMaxTwips = 1 << 30;

enum Flags : unsigned {
  kEditView = 1,
  kResultVisible = 2,
  kFormattedResultVisible = 4,
  kListCleared = 8,
  kListShown = 16,
  kWhole = 32
};

class Writer {
 public:
  void U8(unsigned value) { bytes_ += static_cast<char>(value); }
  void U32(std::uint32_t value) {
    const char bytes[] = {static_cast<char>(value), static_cast<char>(value >> 8),
                          static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    bytes_.append(bytes, sizeof bytes);
  }
  void U64(std::uint64_t value) {
    U32(static_cast<std::uint32_t>(value));
    U32(static_cast<std::uint32_t>(value >> 32));
  }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  void Text(std::string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    bytes_ += text;
  }
  void Reserve(std::size_t size) { bytes_.reserve(size); }
  std::string& Bytes() { return bytes_; }

 private:
  std::string bytes_;
};

// Reads what a Writer wrote; after the first read past the end every read gives 0 and Ok() is
// false.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  unsigned U8() { return Take(1).empty() ? 0 : static_cast<unsigned char>(last_[0]); }
  std::uint32_t U32() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) value |= static_cast<std::uint32_t>(U8()) << shift;
    return value;
  }
  std::uint64_t U64() {
    const std::uint64_t low = U32();
    return low | static_cast<std::uint64_t>(U32()) << 32;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::string Text() { return std::string(Take(U32())); }
  // Reads a count of items of at least `itemBytes` each; a count that the bytes left cannot
  // hold fails at once instead of asking for memory for it.
  std::uint32_t Count(std::size_t itemBytes) {
    const std::uint32_t count = U32();
    if (count > rest_.size() / itemBytes) ok_ = false;
    return ok_ ? count : 0;
  }
  void Fail() { ok_ = false; }
  bool Ok() const { return ok_; }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view Take(std::size_t size) {
    if (!ok_ || size > rest_.size()) {
      ok_ = false;
      return last_ = {};
    }
    last_ = rest_.substr(0, size);
    rest_.remove_prefix(size);
    return last_;
  }

  std::string_view rest_;
  std::string_view last_;
  bool ok_ = true;
};

void Check(Reader& in, bool condition) {
  if (!condition) in.Fail();
}

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
  return value >= low && value <= high;
}

void EncodeContents(Writer& out, std::uint64_t session, bool whole, const TapePatch& tape,
                    const ListChange& list) {
  const TapeWideState& state = tape.state;
  out.U64(session);
  out.U8((whole ? kWhole : 0U) | (state.editView ? kEditView : 0U) |
         (state.resultVisible ? kResultVisible : 0U) |
         (state.formattedResultVisible ? kFormattedResultVisible : 0U) |
         (list.cleared ? kListCleared : 0U) | (list.shown ? kListShown : 0U));
  out.U32(static_cast<std::uint32_t>(state.rowCount));
  out.Text(state.resultText);
  out.Text(state.formattedResultText);
  out.I32(state.evaluatedRows);
  out.I32(static_cast<int>(state.formatMode));
  out.U32(static_cast<std::uint32_t>(tape.fields.size()));
  for (const FieldValue& value : tape.fields) {
    out.U32(static_cast<std::uint32_t>(value.row));
    out.U8(static_cast<unsigned>(value.field));
    out.Text(value.text);
  }
  out.Text(list.fieldText);
  out.U32(static_cast<std::uint32_t>(list.appended.size()));
  for (const std::string& entry : list.appended) out.Text(entry);
}

// What EncodeContents writes, or a little more: one allocation for a record of the whole tape.
std::size_t ContentsSizeBound(const TapePatch& tape, const ListChange& list) {
  constexpr std::size_t kStateBytes = 64;
  constexpr std::size_t kFieldBytes = 9;
  constexpr std::size_t kTextBytes = 4;
  std::size_t size = kStateBytes + tape.state.resultText.size() +
                     tape.state.formattedResultText.size() + list.fieldText.size();
  for (const FieldValue& value : tape.fields) size += kFieldBytes + value.text.size();
  for (const std::string& entry : list.appended) size += kTextBytes + entry.size();
  return size;
}

// Every number is checked against what the window can hold before it is used: the file may
// have been damaged or written by anything.
std::optional<RecoveryRecord> DecodeContents(std::string_view bytes, RecordLayout layout) {
  Reader in(bytes);
  RecoveryRecord record;
  TapeWideState& state = record.tape.state;
  record.session = in.U64();
  const unsigned flags = in.U8();
  record.whole = (flags & kWhole) != 0;
  state.editView = (flags & kEditView) != 0;
  state.resultVisible = (flags & kResultVisible) != 0;
  state.formattedResultVisible = (flags & kFormattedResultVisible) != 0;
  record.list.cleared = (flags & kListCleared) != 0;
  record.list.shown = (flags & kListShown) != 0;
  const std::uint32_t rowCount = in.U32();
  Check(in, rowCount >= 1 && rowCount <= kMaxRows);
  state.rowCount = static_cast<int>(rowCount);
  state.resultText = in.Text();
  state.formattedResultText = in.Text();
  state.evaluatedRows = in.I32();
  const std::optional<FormatMode> formatMode = FormatModeOfKey(in.I32());
  state.formatMode = formatMode.value_or(FormatMode::TwoDecimals);
  Check(in, InRange(state.evaluatedRows, 0, kMaxRows) && formatMode.has_value());
  if (layout == RecordLayout::First) {
    const std::int32_t rowsTop = in.I32();
    const std::int32_t rowsHeight = in.I32();
    Check(in, InRange(rowsTop, -kMaxTwips, kMaxTwips) && InRange(rowsHeight, 0, kMaxTwips));
  }
  // Each field takes at least its row, its kind and its text's length.
  const std::uint32_t fieldCount = in.Count(9);
  record.tape.fields.reserve(fieldCount);
  for (std::uint32_t i = 0; i < fieldCount && in.Ok(); ++i) {
    FieldValue value;
    const std::uint32_t row = in.U32();
    const unsigned field = in.U8();
    value.text = in.Text();
    Check(in, row < rowCount && field <= static_cast<unsigned>(RowField::Formatted));
    value.row = static_cast<int>(row);
    value.field = static_cast<RowField>(field);
    if (value.field == RowField::Operator) {
      Check(in, row == 0 ? value.text == "0" : ParseOperatorCode(value.text).has_value());
    }
    record.tape.fields.push_back(std::move(value));
  }
  record.list.fieldText = in.Text();
  const std::uint32_t entryCount = in.Count(4);
  record.list.appended.reserve(entryCount);
  for (std::uint32_t i = 0; i < entryCount && in.Ok(); ++i) {
    record.list.appended.push_back(in.Text());
  }
  if (!in.Ok() || !in.AtEnd()) return std::nullopt;
  return record;
}

}  // namespace

std::string EncodeRecord(std::uint64_t session, bool whole, const TapePatch& tape,
                         const ListChange& list) {
  Writer out;
  out.Reserve(kFrameBytes + ContentsSizeBound(tape, list));
  out.U64(0);  // the frame, written below once the contents are known
  EncodeContents(out, session, whole, tape, list);
  std::string& bytes = out.Bytes();
  const std::string_view contents = std::string_view(bytes).substr(kFrameBytes);
  Writer frame;
  frame.U32(static_cast<std::uint32_t>(contents.size()));
  frame.U32(Crc32(contents));
  bytes.replace(0, kFrameBytes, frame.Bytes());
  return std::move(bytes);
}

std::optional<DecodedRecord> DecodeRecord(std::string_view bytes, RecordLayout layout) {
  Reader frame(bytes);
  const std::uint32_t size = frame.U32();
  const std::uint32_t crc = frame.U32();
  if (!frame.Ok() || size > bytes.size() - kFrameBytes) return std::nullopt;
  const std::string_view contents = bytes.substr(kFrameBytes, size);
  if (Crc32(contents) != crc) return std::nullopt;
  std::optional<RecoveryRecord> record = DecodeContents(contents, layout);
  if (!record) return std::nullopt;
  return DecodedRecord{std::move(*record), kFrameBytes + size};
}

}  // namespace cinta
