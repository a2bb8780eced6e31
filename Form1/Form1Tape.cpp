// SPDX-License-Identifier: MIT
#include "Form1/Form1Tape.h"

#include "Form1/Form1.h"
#include "controls/Utf8Text.h"

namespace cinta {

int Form1Tape::CurrentRow() const {
  return form_.CurrentRow();
}

std::string Form1Tape::OperandText(int row) const {
  return form_.Text1(row).Text();
}

void Form1Tape::SetOperandText(int row, std::string_view text) {
  FieldChanging(row, RowField::Operand, form_.Text1(row).Text(), text);
  form_.Text1(row).SetText(text);
}

std::string Form1Tape::OperatorCode(int row) const {
  return form_.Label4(row).Caption();
}

void Form1Tape::SetOperatorCode(int row, std::string_view code) {
  FieldChanging(row, RowField::Operator, form_.Label4(row).Caption(), code);
  form_.Label4(row).SetCaption(code);
  // The operator button shows the same operator as its face.
  if (const auto op = ParseOperatorCode(code)) {
    form_.Command1(row).SetPicture(form_.Image1(static_cast<int>(*op)).Picture());
  }
}

std::string Form1Tape::FormattedText(int row) const {
  return form_.Label2(row).Caption();
}

void Form1Tape::SetFormattedText(int row, std::string_view text) {
  FieldChanging(row, RowField::Formatted, form_.Label2(row).Caption(), text);
  form_.Label2(row).SetCaption(text);
}

std::string Form1Tape::ResultText() const {
  return form_.Text2->Text().toStdString();
}

void Form1Tape::SetResultText(std::string_view text) {
  form_.Text2->SetText(FromUtf8(text));
}

std::string Form1Tape::FormattedResultText() const {
  return form_.Label3->Caption().toStdString();
}

void Form1Tape::SetFormattedResultText(std::string_view text) {
  form_.Label3->SetCaption(FromUtf8(text));
}

void Form1Tape::SetEntryVisible(int row, bool visible) {
  form_.Text1(row).SetVisible(visible);
}

void Form1Tape::SetFormattedVisible(int row, bool visible) {
  form_.Label2(row).SetVisible(visible);
}

void Form1Tape::SetResultVisible(bool visible) {
  form_.Text2->SetVisible(visible);
}

void Form1Tape::SetFormattedResultVisible(bool visible) {
  form_.Label3->SetVisible(visible);
}

bool Form1Tape::IsEditView() const {
  return form_.Text1(0).Visible();
}

bool Form1Tape::IsResultVisible() const {
  return form_.Text2->Visible();
}

bool Form1Tape::IsFormattedResultVisible() const {
  return form_.Label3->Visible();
}

void Form1Tape::AppendRow() {
  form_.LoadRow();
}

void Form1Tape::RemoveRowsFrom(int first) {
  RowsRemoving(first);
  form_.RemoveRowsFrom(first);
  form_.currentRow = first - 1;
}

TapeSettings Form1Tape::Settings() const {
  return {form_.evalRowCount, form_.formatMode, form_.Picture2.Top(), form_.Picture2.Height()};
}

void Form1Tape::SetSettings(const TapeSettings& settings) {
  form_.evalRowCount = settings.evalRowCount;
  form_.formatMode = settings.formatMode;
  form_.Picture2.SetTop(settings.rowsTop);
  form_.Picture2.SetHeight(settings.rowsHeight);
}

}  // namespace cinta
