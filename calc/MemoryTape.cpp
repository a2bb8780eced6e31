// SPDX-License-Identifier: MIT
#include "calc/MemoryTape.h"

#include <algorithm>
#include <cstddef>

#include "calc/NumberText.h"

namespace cinta {

MemoryTape::Row::Row(std::string_view operand, std::string_view code) {
  SetOperand(operand);
  SetCode(code);
}

void MemoryTape::Row::SetOperand(std::string_view text) {
  operandText = text;
  value = TextToNumber(text);
}

void MemoryTape::Row::SetCode(std::string_view text) {
  operatorCode = text;
  code = ParseOperatorCode(text);
}

MemoryTape::MemoryTape() {
  rows_.emplace_back("", "0");
}

const MemoryTape::Row& MemoryTape::At(int row) const {
  return rows_.at(static_cast<std::size_t>(row));
}
MemoryTape::Row& MemoryTape::At(int row) {
  return rows_.at(static_cast<std::size_t>(row));
}

int MemoryTape::LastRow() const {
  return static_cast<int>(rows_.size()) - 1;
}

std::string MemoryTape::OperandText(int row) const {
  return At(row).operandText;
}
void MemoryTape::SetOperandText(int row, std::string_view text) {
  FieldChanging(row, RowField::Operand, At(row).operandText, text);
  At(row).SetOperand(text);
}
std::string MemoryTape::OperatorCode(int row) const {
  return At(row).operatorCode;
}
void MemoryTape::SetOperatorCode(int row, std::string_view code) {
  FieldChanging(row, RowField::Operator, At(row).operatorCode, code);
  At(row).SetCode(code);
}
void MemoryTape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, At(row).formattedText, text);
  At(row).formattedText = text;
}

std::optional<double> MemoryTape::RowValue(int row) const {
  return At(row).value;
}
std::optional<OperatorCode> MemoryTape::RowOperator(int row) const {
  return At(row).code;
}

std::string MemoryTape::ResultText() const {
  return resultText_;
}
void MemoryTape::SetResultText(std::string_view text) {
  resultText_ = text;
}
void MemoryTape::SetFormattedResultText(std::string_view text) {
  formattedResultText_ = text;
}

void MemoryTape::SetEntryVisible(int row, bool visible) {
  At(row).entryVisible = visible;
}
void MemoryTape::SetFormattedVisible(int row, bool visible) {
  At(row).formattedVisible = visible;
}
void MemoryTape::SetResultVisible(bool visible) {
  resultVisible_ = visible;
}
void MemoryTape::SetFormattedResultVisible(bool visible) {
  formattedResultVisible_ = visible;
}
bool MemoryTape::IsEditView() const {
  return rows_[0].entryVisible;
}

void MemoryTape::AppendRow(std::string_view operandText, std::string_view operatorCode) {
  rows_.emplace_back(operandText, operatorCode);
}

void MemoryTape::AppendRow() {
  AppendRow("", "0");
  rows_.back().entryVisible = rows_[0].entryVisible;
  rows_.back().formattedVisible = rows_[0].formattedVisible;
}

void MemoryTape::RemoveRowsFrom(int first) {
  RowsRemoving(first);
  if (first >= 0 && static_cast<std::size_t>(first) < rows_.size())
    rows_.erase(rows_.begin() + first, rows_.end());
}

int MemoryTape::EvaluatedRows() const {
  return settings_.evaluatedRows;
}
void MemoryTape::SetEvaluatedRows(int rows) {
  settings_.evaluatedRows = rows;
}

FormatMode MemoryTape::CurrentFormatMode() const {
  return settings_.formatMode;
}
void MemoryTape::SetFormatMode(FormatMode mode) {
  settings_.formatMode = mode;
}

TapeSettings MemoryTape::Settings() const {
  return settings_;
}
void MemoryTape::SetSettings(const TapeSettings& settings) {
  settings_ = settings;
}

std::string MemoryTape::FormattedText(int row) const {
  return At(row).formattedText;
}
std::string MemoryTape::FormattedResultText() const {
  return formattedResultText_;
}
bool MemoryTape::IsEntryVisible(int row) const {
  return At(row).entryVisible;
}
bool MemoryTape::IsFormattedVisible(int row) const {
  return At(row).formattedVisible;
}
bool MemoryTape::IsResultVisible() const {
  return resultVisible_;
}
bool MemoryTape::IsFormattedResultVisible() const {
  return formattedResultVisible_;
}

}  // namespace cinta
