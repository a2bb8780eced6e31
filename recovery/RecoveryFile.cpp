// SPDX-License-Identifier: MIT
#include "recovery/RecoveryFile.h"

#include <array>
#include <string>
#include <system_error>

#include "recovery/RecoveryRecord.h"
#include "textfile/FileRead.h"

namespace cinta {
namespace {

// Far more than a tape of 32 768 rows takes unless megabytes were pasted into its rows.
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// The tape being rebuilt, row by row, field by field.
class Replay {
 public:
  explicit Replay(const RecoveryRecord& whole) : session_(whole.session) { Apply(whole); }

  // A change of the window that wrote the first record; another window's changes are skipped.
  void Apply(const RecoveryRecord& record) {
    if (record.session != session_) return;
    state_ = record.tape.state;
    rows_.resize(static_cast<std::size_t>(state_.rowCount), {"", "0", ""});
    for (const FieldValue& value : record.tape.fields) {
      rows_[static_cast<std::size_t>(value.row)][static_cast<std::size_t>(value.field)] =
          value.text;
    }
    if (record.list.cleared) entries_.clear();
    entries_.insert(entries_.end(), record.list.appended.begin(), record.list.appended.end());
    fieldText_ = record.list.fieldText;
    listShown_ = record.list.shown;
  }

  RecoveredTape Result() const {
    RecoveredTape tape{{state_, {}}, entries_, fieldText_, listShown_};
    tape.tape.fields.reserve(rows_.size() * std::size(kRowFields));
    for (std::size_t row = 0; row < rows_.size(); ++row) {
      for (const RowField field : kRowFields) {
        tape.tape.fields.push_back(
            {static_cast<int>(row), field, rows_[row][static_cast<std::size_t>(field)]});
      }
    }
    return tape;
  }

 private:
  std::uint64_t session_;
  TapeWideState state_;
  std::vector<std::array<std::string, 3>> rows_;
  std::vector<std::string> entries_;
  std::string fieldText_;
  bool listShown_ = false;
};

}  // namespace

std::filesystem::path RecoveryFilePath(const std::filesystem::path& programDir, int window) {
  // The first keeps the name that files left by earlier versions have.
  if (window == 1) return programDir / "recuperacion.dat";
  return programDir / ("recuperacion-" + std::to_string(window) + ".dat");
}

std::optional<RecoveredTape> DecodeRecoveryFile(std::string_view bytes) {
  static_assert(kFirstRecoveryFileHeader.size() == kRecoveryFileHeader.size());
  RecordLayout layout = RecordLayout::Current;
  if (bytes.starts_with(kFirstRecoveryFileHeader)) {
    layout = RecordLayout::First;
  } else if (!bytes.starts_with(kRecoveryFileHeader)) {
    return std::nullopt;
  }
  bytes.remove_prefix(kRecoveryFileHeader.size());
  std::optional<DecodedRecord> next = DecodeRecord(bytes, layout);
  if (!next || !next->record.whole) return std::nullopt;
  Replay replay(next->record);
  // A record cut short by a kill, or damaged, ends the file: the tape is as the record before it
  // left it.
  for (bytes.remove_prefix(next->size); (next = DecodeRecord(bytes, layout)) && !next->record.whole;
       bytes.remove_prefix(next->size)) {
    replay.Apply(next->record);
  }
  return replay.Result();
}

std::optional<RecoveredTape> ReadRecoveryFile(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadWholeFile(file, kMaxFileBytes);
  if (!bytes) return std::nullopt;
  return DecodeRecoveryFile(*bytes);
}

void DiscardRecoveryFile(const std::filesystem::path& file) {
  std::error_code error;
  // A folder put in the file's place is none of the program's to remove.
  if (std::filesystem::is_directory(std::filesystem::symlink_status(file, error))) return;
  std::filesystem::remove(file, error);
}

}  // namespace cinta
