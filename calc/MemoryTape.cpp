// SPDX-License-Identifier: MIT
#include "calc/MemoryTape.h"

#include <algorithm>
#include <cstddef>

namespace cinta {

MemoryTape::MemoryTape() : rows_(1) {
  rows_[0].operatorCode = "0";
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
  At(row).operandText = text;
}
std::string MemoryTape::OperatorCode(int row) const {
  return At(row).operatorCode;
}
void MemoryTape::SetOperatorCode(int row, std::string_view code) {
  FieldChanging(row, RowField::Operator, At(row).operatorCode, code);
  At(row).operatorCode = code;
}
void MemoryTape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, At(row).formattedText, text);
  At(row).formattedText = text;
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
  rows_.push_back(Row{std::string(operandText), std::string(operatorCode), {}});
}

void MemoryTape::AppendRow() {
  AppendRow("", "0");
  rows_.back().entryVisible = rows_[0].entryVisible;
  rows_.back().formattedVisible = rows_[0].formattedVisible;
}

void MemoryTape::RemoveRowsFrom(int first) {
  RowsRemoving(first);
  rows_.resize(std::min(rows_.size(), static_cast<std::size_t>(first)));
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
