// SPDX-License-Identifier: MIT
// A report of random rows, names and results in either view: every line ends in CR LF, the
// separator stands on its own line, and every character of the bytes, read as Windows-1252, is
// a character of the layout or of the texts given, so no text reaches the file mis-encoded.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "oplog/BuildReport.h"
#include "textfile/Windows1252.h"

namespace cinta {
namespace {

constexpr std::size_t kMostRows = 40;
constexpr std::size_t kLongestText = 40;

// Mostly the codes the operator keys write; sometimes codes the report must skip or read with
// care: empty, signed, padded, or with many digits.
std::string PickCode(FuzzedDataProvider& input) {
  const int pick = input.ConsumeIntegralInRange(0, 16);
  if (pick <= 12) return std::to_string(pick);
  if (pick == 13) return std::string(input.ConsumeIntegralInRange<std::size_t>(1, 30), '0') + "5";
  if (pick == 14) return std::string(input.ConsumeIntegralInRange<std::size_t>(1, 30), '9');
  return input.ConsumeRandomLengthString(4);
}

void CheckLineEnds(std::string_view report) {
  Require(report.starts_with("\r\n") && report.ends_with("\r\n"), "blank first line, CR LF last");
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] == '\r') Require(i + 1 < report.size() && report[i + 1] == '\n', "CR then LF");
    if (report[i] == '\n') Require(i > 0 && report[i - 1] == '\r', "LF after CR");
  }
  Require(report.find("\r\n\r\n------------------------------\r\n") != std::string_view::npos,
          "a blank line, then the separator line");
}

std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  return lead < 0xF0 ? 3 : 4;
}

void CheckCharacters(std::string_view report, const std::vector<std::string>& texts) {
  constexpr std::string_view kLayout = " 0123456789)-\r\n?";
  const std::string decoded = DecodeWindows1252(report);
  for (std::size_t i = 0; i < decoded.size();) {
    const std::size_t length = Utf8Length(static_cast<unsigned char>(decoded[i]));
    const std::string_view character = std::string_view(decoded).substr(i, length);
    i += length;
    if (length == 1 && kLayout.find(character[0]) != std::string_view::npos) continue;
    bool given = false;
    for (const std::string& text : texts) given = given || text.find(character) != text.npos;
    Require(given, "every character of the report is one of the texts given");
  }
}

void FuzzOne(FuzzedDataProvider& input) {
  const ReportView view = input.ConsumeBool() ? ReportView::Edit : ReportView::Formatted;
  OperatorNames names;
  for (std::string& name : names) name = input.ConsumeRandomLengthString(kLongestText);
  const std::string result = input.ConsumeRandomLengthString(kLongestText);
  std::vector<ReportRow> rows(1);
  rows[0].value = input.ConsumeRandomLengthString(kLongestText);
  while (rows.size() < kMostRows && input.remaining_bytes() > 0) {
    ReportRow row;
    row.operatorCode = PickCode(input);
    row.value = input.ConsumeRandomLengthString(kLongestText);
    rows.push_back(std::move(row));
  }

  const std::string report = BuildReport(rows, result, view, names);
  CheckLineEnds(report);
  std::vector<std::string> texts(names.begin(), names.end());
  texts.push_back(result);
  for (const ReportRow& row : rows) texts.push_back(row.value);
  CheckCharacters(report, texts);
}

}  // namespace
}  // namespace cinta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  cinta::FuzzOne(input);
  return 0;
}
