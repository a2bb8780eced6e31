// SPDX-License-Identifier: MIT
#include "calc/MemoryTape.h"

#include <algorithm>
#include <cstddef>

#include "calc/NumberText.h"

namespace cinta {

MemoryTape::Row::Row(std::string_view operand, OperatorCode code) : code(code) {
  SetOperand(operand);
}

void MemoryTape::Row::SetOperand(std::string_view text) {
  operandText = text;
  value = TextToNumber(text);
}

MemoryTape::MemoryTape() {
  rows_.emplace_back("", OperatorCode::Add);
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
OperatorCode MemoryTape::RowOperator(int row) const {
  return At(row).code;
}
void MemoryTape::SetRowOperator(int row, OperatorCode code) {
  FieldChanging(row, RowField::Operator, CodeText(At(row).code), CodeText(code));
  At(row).code = code;
}
void MemoryTape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, At(row).formattedText, text);
  At(row).formattedText = text;
}

std::optional<double> MemoryTape::RowValue(int row) const {
  return At(row).value;
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

void MemoryTape::AppendRow(std::string_view operandText, OperatorCode code) {
  rows_.emplace_back(operandText, code);
}

void MemoryTape::AppendRow() {
  AppendRow("", OperatorCode::Add);
  // A new row is a copy of row 0 but for its entry and operator: its formatted text stays row 0's
  // until its own is set.
  rows_.back().formattedText = rows_[0].formattedText;
  rows_.back().entryVisible = rows_[0].entryVisible;
  rows_.back().formattedVisible = rows_[0].formattedVisible;
}

void MemoryTape::RemoveRowsFrom(int first) {
  if (listener_ != nullptr) listener_->RowsRemoving(first);
  if (first >= 0 && static_cast<std::size_t>(first) < rows_.size())
    rows_.erase(rows_.begin() + first, rows_.end());
}

int MemoryTape::EvaluatedRows() const {
  return evaluatedRows_;
}
void MemoryTape::SetEvaluatedRows(int rows) {
  evaluatedRows_ = rows;
}

FormatMode MemoryTape::CurrentFormatMode() const {
  return formatMode_;
}
void MemoryTape::SetFormatMode(FormatMode mode) {
  formatMode_ = mode;
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
