// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calc/MemoryTape.h"
#include "calc/PreviousResults.h"
#include "calc/RecalculateTape.h"
#include "calc/Views.h"
#include "recovery/Crc32.h"
#include "recovery/RecoveryFile.h"
#include "recovery/RecoveryJournal.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

namespace cinta {
namespace {

// The tape and list as text, to compare a window's with what the file gives back.
std::string Dump(const MemoryTape& tape, const PreviousResultsList& list) {
  const TapePatch whole = ReadWholeTape(tape);
  const TapeWideState& state = whole.state;
  std::string dump =
      std::to_string(state.rowCount) + "|" + state.resultText + "|" + state.formattedResultText +
      "|" + std::to_string(state.editView) + std::to_string(state.resultVisible) +
      std::to_string(state.formattedResultVisible) + "|" + std::to_string(state.evaluatedRows) +
      "," + std::to_string(static_cast<int>(state.formatMode));
  for (const FieldValue& value : whole.fields) dump += "|" + value.text;
  dump += "\nlist " + std::to_string(list.IsShown()) + " " + list.FieldText() + ":";
  for (int entry = 0; entry < list.EntryCount(); ++entry) dump += " " + list.Entry(entry);
  return dump;
}

std::string Dump(const RecoveredTape& recovered) {
  MemoryTape tape;
  ApplyPatch(tape, recovered.tape);
  PreviousResultsList list;
  for (const std::string& entry : recovered.entries) list.AppendEntry(entry);
  list.SetFieldText(recovered.fieldText);
  if (recovered.listShown) list.Show();
  return Dump(tape, list);
}

// A window's tape and list, changed step by step and kept in the recovery file.
struct Window {
  explicit Window(const std::filesystem::path& folder) : journal(RecoveryFilePath(folder)) {}

  void Step(const std::function<void(MemoryTape&, PreviousResultsList&)>& change) {
    recorder.Begin();
    change(tape, list);
    journal.Record(recorder.End(), tape, list);
  }

  MemoryTape tape;
  TapeRecorder recorder{tape};
  PreviousResultsList list;
  RecoveryJournal journal;
};

void AppendOperatorRow(MemoryTape& tape, OperatorCode code) {
  tape.AppendRow();
  tape.SetRowOperator(tape.LastRow(), code);
  RecalculateTape(tape, tape.LastRow());
}

void TypeDigits(MemoryTape& tape, const std::string& digits) {
  tape.SetOperandText(tape.LastRow(), tape.OperandText(tape.LastRow()) + digits);
  RecalculateTape(tape, tape.LastRow() + 1);
}

// Steps of every kind that reach the file: typing, rows added and removed, the view, the
// settings, the list filled and emptied, texts long enough that the file is written whole again.
const std::vector<std::function<void(MemoryTape&, PreviousResultsList&)>>& Steps() {
  static const std::vector<std::function<void(MemoryTape&, PreviousResultsList&)>> steps = {
      [](MemoryTape& tape, PreviousResultsList&) { TypeDigits(tape, "12"); },
      [](MemoryTape& tape, PreviousResultsList&) {
        AppendOperatorRow(tape, OperatorCode::Multiply);
      },
      [](MemoryTape& tape, PreviousResultsList&) { TypeDigits(tape, "3.5"); },
      [](MemoryTape& tape, PreviousResultsList&) {
        AppendOperatorRow(tape, OperatorCode::SquareRoot);
      },
      [](MemoryTape& tape, PreviousResultsList&) {
        ShowFormattedView(tape, "##,##0.00 \u20ac");
        tape.SetEvaluatedRows(3);
        tape.SetFormatMode(FormatMode(2));
      },
      [](MemoryTape& tape, PreviousResultsList& list) {
        StoreResult(list, tape);
        tape.RemoveRowsFrom(1);
        tape.SetOperandText(0, "");
        tape.SetResultText("0");
      },
      [](MemoryTape& tape, PreviousResultsList&) {
        ShowEditView(tape);
        TypeDigits(tape, std::string(600 * 1024, '7'));
      },
      [](MemoryTape& tape, PreviousResultsList& list) {
        StoreResult(list, tape);
        TypeDigits(tape, std::string(600 * 1024, '8'));
      },
      [](MemoryTape& tape, PreviousResultsList&) { AppendOperatorRow(tape, OperatorCode::Divide); },
      [](MemoryTape&, PreviousResultsList& list) { EmptyList(list); },
  };
  return steps;
}

TEST(RecoveryFile, HoldsTheTapeAsEveryStepLeftIt) {
  const TempFolder folder;
  Window window(folder.Path());
  EXPECT_FALSE(ReadRecoveryFile(RecoveryFilePath(folder.Path())));
  for (std::size_t step = 0; step < Steps().size(); ++step) {
    SCOPED_TRACE(step);
    window.Step(Steps()[step]);
    const std::optional<RecoveredTape> recovered =
        ReadRecoveryFile(RecoveryFilePath(folder.Path()));
    ASSERT_TRUE(recovered);
    EXPECT_EQ(Dump(*recovered), Dump(window.tape, window.list));
  }
  DiscardRecoveryFile(RecoveryFilePath(folder.Path()));
  EXPECT_FALSE(ReadRecoveryFile(RecoveryFilePath(folder.Path())));
}

// A file that cannot be written (its folder missing, the disk full) is written whole at the very
// next step once it can be; until then the journal says that it does not protect the tape.
TEST(RecoveryFile, AFileThatCannotBeWrittenIsTriedAgainAtTheNextStep) {
  struct Fault {
    const char* name;
    bool folderMissing;
    bool diskFull;
  };
  const Fault faults[] = {
    {"FolderMissing", true, false},
#if defined(__unix__) || defined(__APPLE__)
    {"DiskFull", false, true},
#endif
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.name);
    const TempFolder root;
    const std::filesystem::path folder = root.Path() / "programa";
    if (!fault.folderMissing) std::filesystem::create_directory(folder);
    Window window(folder);
    EXPECT_TRUE(window.journal.Protects());
    // Later steps while the fault lasts find out that it does without writing the tape.
    {
#if defined(__unix__) || defined(__APPLE__)
      std::optional<FileSizeLimit> limit;
      if (fault.diskFull) limit.emplace(16);
#endif
      for (std::size_t step = 0; step < 2; ++step) {
        window.Step(Steps()[step]);
        EXPECT_FALSE(window.journal.Protects());
        EXPECT_FALSE(ReadRecoveryFile(RecoveryFilePath(folder)));
      }
    }
    std::filesystem::create_directories(folder);
    window.Step(Steps()[2]);
    EXPECT_TRUE(window.journal.Protects());
    const std::optional<RecoveredTape> recovered = ReadRecoveryFile(RecoveryFilePath(folder));
    ASSERT_TRUE(recovered);
    EXPECT_EQ(Dump(*recovered), Dump(window.tape, window.list));
    EXPECT_EQ(EntryNames(folder), std::set<std::string>{"recuperacion.dat"});
  }
}

// The file after three steps, and the tape after each of them.
struct ThreeSteps {
  std::string file;
  std::vector<std::size_t> ends;
  std::vector<std::string> states;
};

ThreeSteps WriteThreeSteps() {
  const TempFolder folder;
  Window window(folder.Path());
  ThreeSteps written;
  for (std::size_t step = 0; step < 3; ++step) {
    window.Step(Steps()[step]);
    written.file = ReadBytes(RecoveryFilePath(folder.Path()));
    written.ends.push_back(written.file.size());
    written.states.push_back(Dump(window.tape, window.list));
  }
  return written;
}

TEST(RecoveryFile, AFileCutAnywhereGivesTheLastWholeStep) {
  const ThreeSteps written = WriteThreeSteps();
  for (std::size_t size = 0; size <= written.file.size(); ++size) {
    SCOPED_TRACE(size);
    const std::optional<RecoveredTape> recovered =
        DecodeRecoveryFile(std::string_view(written.file).substr(0, size));
    std::size_t whole = 0;
    while (whole < written.ends.size() && written.ends[whole] <= size) ++whole;
    if (whole == 0) {
      EXPECT_FALSE(recovered);
    } else {
      ASSERT_TRUE(recovered);
      EXPECT_EQ(Dump(*recovered), written.states[whole - 1]);
    }
  }
}

// `record` with the bytes of its contents from `offset` on replaced, its checksum made to fit.
std::string Patched(std::string record, std::size_t offset, std::string_view bytes) {
  constexpr std::size_t kFrame = 8;
  record.replace(kFrame + offset, bytes.size(), bytes);
  const std::uint32_t crc = Crc32(std::string_view(record).substr(kFrame));
  for (std::size_t i = 0; i < 4; ++i) record[4 + i] = static_cast<char>(crc >> (8 * i));
  return record;
}

// A record whose checksum fits but whose contents the window could not hold counts as damaged:
// as the first record it leaves no tape, as a later one the tape before it.
TEST(RecoveryFile, ChecksContentsThatTheChecksumPasses) {
  const TapePatch twoRows{
      {2, "6", "", true, true, false, 2, FormatMode(0)},
      {{0, RowField::Operand, "2"}, {1, RowField::Operator, "2"}, {1, RowField::Operand, "3"}}};
  using Damage = std::function<void(TapePatch&)>;
  const auto record = [&](bool whole, const Damage& damage) {
    TapePatch patch = twoRows;
    damage(patch);
    return EncodeRecord(7, whole, patch, {});
  };
  const Damage none = [](TapePatch&) {};
  // The contents: the session (8 bytes), the flags (1), the row count (4), the result "6" (4 + 1),
  // the formatted result (4), the evaluated rows and format mode (8), the field count (4), the
  // first field's row (4) and kind (1).
  constexpr std::size_t kResult = 13;
  constexpr std::size_t kFieldCount = 30;
  constexpr std::size_t kFirstFieldKind = 38;
  struct Case {
    const char* name;
    std::function<std::string(bool whole)> damaged;
  };
  const auto changed = [&](Damage damage) {
    return [&record, damage](bool whole) { return record(whole, damage); };
  };
  const auto patched = [&](std::size_t offset, std::string bytes) {
    return [&record, &none, offset, bytes](bool whole) {
      return Patched(record(whole, none), offset, bytes);
    };
  };
  const Case cases[] = {
      {"RowBeyondTheRowCount", changed([](TapePatch& p) { p.fields[1].row = 2; })},
      {"NoRows", changed([](TapePatch& p) { p.state.rowCount = 0; })},
      {"MoreRowsThanTheWindowHolds", changed([](TapePatch& p) { p.state.rowCount = 32769; })},
      {"OperatorCode12", changed([](TapePatch& p) { p.fields[1].text = "12"; })},
      {"OperatorCodeNotExactlyANumber", changed([](TapePatch& p) { p.fields[1].text = " 2"; })},
      {"RowZeroNotAdd", changed([](TapePatch& p) {
         p.fields.push_back({0, RowField::Operator, "3"});
       })},
      {"FormatModeBeyondTheKeys",
       changed([](TapePatch& p) { p.state.formatMode = FormatMode(5); })},
      {"EvaluatedRowsBeyondTheRows", changed([](TapePatch& p) { p.state.evaluatedRows = 40000; })},
      {"UnknownField", patched(kFirstFieldKind, "\x03")},
      {"TextLongerThanTheRecord", patched(kResult, "\xFF\xFF\xFF\x7F")},
      {"MoreFieldsThanBytes", patched(kFieldCount, "\xFF\xFF\xFF\xFF")},
      {"BytesAfterTheContents",
       [&](bool whole) {
         std::string bytes = record(whole, none) + 'x';
         ++bytes[0];  // the length, low byte first
         return Patched(bytes, 0, bytes.substr(8, 1));
       }},
      {"WrongChecksum",
       [&](bool whole) {
         std::string bytes = record(whole, none);
         bytes[4] = static_cast<char>(bytes[4] ^ 1);
         return bytes;
       }},
  };
  const std::string header(kRecoveryFileHeader);
  const std::string empty = EncodeRecord(7, true, {}, {});
  const std::string good = record(false, none);
  const std::optional<RecoveredTape> before = DecodeRecoveryFile(header + empty);
  const std::optional<RecoveredTape> after = DecodeRecoveryFile(header + empty + good);
  ASSERT_TRUE(before && after && DecodeRecoveryFile(header + record(true, none)));
  ASSERT_NE(Dump(*before), Dump(*after));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(DecodeRecoveryFile(header + c.damaged(true)));
    const std::optional<RecoveredTape> recovered =
        DecodeRecoveryFile(header + empty + c.damaged(false) + good);
    ASSERT_TRUE(recovered);
    EXPECT_EQ(Dump(*recovered), Dump(*before));
  }
  EXPECT_FALSE(DecodeRecoveryFile("CintaRc3" + empty));
  EXPECT_FALSE(DecodeRecoveryFile(header + good));
}

// A file written before the window kept the place of its rows to itself still gives back its
// tape and list.
TEST(RecoveryFile, AFileOfTheFirstLayoutStillGivesItsTape) {
  // Row 0 typed "12"; then a step that adds row 1, "x 3.5", and stores the result 42.
  const std::string_view firstLayout(
      "\x43\x69\x6E\x74\x61\x52\x63\x31\x66\x00\x00\x00\x7E\x14\xAB\x2D\x8E\xD0\xF8\x55\x89\xE3"
      "\x3C\x80\x2F\x01\x00\x00\x00\x02\x00\x00\x00\x31\x32\x00\x00\x00\x00\x01\x00\x00\x00\x00"
      "\x00\x00\x00\x10\xFF\xFF\xFF\xE7\x18\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00"
      "\x00\x00\x31\x32\x00\x00\x00\x00\x01\x01\x00\x00\x00\x30\x00\x00\x00\x00\x02\x00\x00\x00"
      "\x00\x15\x00\x00\x00\x52\x65\x73\x75\x6C\x74\x61\x64\x6F\x73\x20\x61\x6E\x74\x65\x72\x69"
      "\x6F\x72\x65\x73\x00\x00\x00\x00\x5A\x00\x00\x00\xA9\x07\xDB\xFC\x8E\xD0\xF8\x55\x89\xE3"
      "\x3C\x80\x17\x02\x00\x00\x00\x02\x00\x00\x00\x34\x32\x00\x00\x00\x00\x02\x00\x00\x00\x00"
      "\x00\x00\x00\x77\xFC\xFF\xFF\xC6\x1B\x00\x00\x03\x00\x00\x00\x01\x00\x00\x00\x00\x03\x00"
      "\x00\x00\x33\x2E\x35\x01\x00\x00\x00\x01\x01\x00\x00\x00\x32\x01\x00\x00\x00\x02\x00\x00"
      "\x00\x00\x02\x00\x00\x00\x34\x32\x01\x00\x00\x00\x02\x00\x00\x00\x34\x32",
      216);
  MemoryTape tape;
  PreviousResultsList list;
  TypeDigits(tape, "12");
  AppendOperatorRow(tape, OperatorCode::Multiply);
  TypeDigits(tape, "3.5");
  tape.SetEvaluatedRows(2);
  StoreResult(list, tape);
  const std::optional<RecoveredTape> recovered = DecodeRecoveryFile(firstLayout);
  ASSERT_TRUE(recovered);
  EXPECT_EQ(Dump(*recovered), Dump(tape, list));
}

// The CRC of zlib, four bytes at a time and byte by byte: a checksum that missed bytes would let
// damage through.
TEST(RecoveryFile, ChecksumIsTheCrc32OfZlib) {
  EXPECT_EQ(Crc32(""), 0U);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926U);
  EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339U);
}

TEST(RecoveryFile, ChangesOfAnotherWindowAreSkipped) {
  TapePatch patch{{1, "5", "", true, true, false, 1, FormatMode(0)}, {{0, RowField::Operand, "5"}}};
  const std::string header(kRecoveryFileHeader);
  const std::string mine = EncodeRecord(1, true, {}, {});
  const std::optional<RecoveredTape> recovered =
      DecodeRecoveryFile(header + mine + EncodeRecord(2, false, patch, {}));
  ASSERT_TRUE(recovered);
  EXPECT_EQ(Dump(*recovered), Dump(*DecodeRecoveryFile(header + mine)));
  EXPECT_NE(Dump(*recovered),
            Dump(*DecodeRecoveryFile(header + mine + EncodeRecord(1, false, patch, {}))));
}

}  // namespace
}  // namespace cinta
