// SPDX-License-Identifier: MIT
#include "calc/Views.h"

#include "calc/FormatWithPattern.h"
#include "calc/NumberText.h"
#include "calc/RecalculateTape.h"

namespace cinta {
namespace {

std::string Formatted(std::string_view text, std::string_view pattern) {
  // A failed evaluation shown as a formatted 0 would read as a real total of zero, on screen and
  // in a saved report.
  if (text == kErrorText) return std::string(kErrorText);
  // A text beyond the double range has no value to show; formatting never fails, so it shows 0.
  return FormatWithPattern(TextToNumber(text).value_or(0), pattern);
}

}  // namespace

std::string PatternForFormatMode(FormatMode formatMode, std::string_view currencySymbol) {
  switch (formatMode) {
    case FormatMode::TwoDecimals:
      return "##,##0.00";
    case FormatMode::TwoDecimalsWithCurrency:
      return std::string("##,##0.00 ").append(currencySymbol);
    case FormatMode::NoDecimals:
      return "##,##0";
    case FormatMode::NoDecimalsWithCurrency:
      return std::string("##,##0 ").append(currencySymbol);
    case FormatMode::EditView:
      break;
  }
  return {};
}

void ShowEditView(MemoryTape& tape) {
  for (int row = 0; row <= tape.LastRow(); ++row) {
    tape.SetFormattedVisible(row, false);
    tape.SetEntryVisible(row, true);
  }
  tape.SetResultVisible(true);
  tape.SetFormattedResultVisible(false);
}

void ShowFormattedView(MemoryTape& tape, std::string_view pattern) {
  for (int row = 0; row <= tape.LastRow(); ++row) {
    tape.SetFormattedText(row, Formatted(tape.OperandText(row), pattern));
    tape.SetFormattedVisible(row, true);
    tape.SetEntryVisible(row, false);
  }
  tape.SetFormattedResultText(Formatted(tape.ResultText(), pattern));
  tape.SetResultVisible(false);
  tape.SetFormattedResultVisible(true);
}

void BackToEditView(MemoryTape& tape) {
  if (!tape.IsEditView()) ShowEditView(tape);
}

void PressFormatKey(MemoryTape& tape, FormatMode key, std::string_view currencySymbol) {
  tape.SetFormatMode(key);
  if (key == FormatMode::EditView) {
    ShowEditView(tape);
  } else {
    ShowFormattedView(tape, PatternForFormatMode(key, currencySymbol));
  }
}

void RefreshFormattedView(MemoryTape& tape, std::string_view currencySymbol) {
  if (!tape.IsEditView()) {
    ShowFormattedView(tape, PatternForFormatMode(tape.CurrentFormatMode(), currencySymbol));
  }
}

void PressEqualsKey(MemoryTape& tape) {
  BackToEditView(tape);
  EvaluateEveryRow(tape);
}

}  // namespace cinta
