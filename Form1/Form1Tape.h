// SPDX-License-Identifier: MIT
#pragma once

#include "calc/RestorableTape.h"

namespace cinta {

class Form1;

// The tape's fields as the core reads and writes them, bound to the window's controls: a row's
// text is Text1(i), its operator code Label4(i) with the face of Command1(i), its formatted value
// Label2(i); the result is Text2 and the formatted result Label3. Rows are added and removed
// with their five controls; the settings are the window's module state and the place of
// Picture2.
class Form1Tape final : public RestorableTape {
 public:
  explicit Form1Tape(Form1& form) : form_(form) {}

  int CurrentRow() const override;
  std::string OperandText(int row) const override;
  void SetOperandText(int row, std::string_view text) override;
  std::string OperatorCode(int row) const override;
  void SetOperatorCode(int row, std::string_view code) override;
  std::string FormattedText(int row) const override;
  void SetFormattedText(int row, std::string_view text) override;
  std::string ResultText() const override;
  void SetResultText(std::string_view text) override;
  std::string FormattedResultText() const override;
  void SetFormattedResultText(std::string_view text) override;
  void SetEntryVisible(int row, bool visible) override;
  void SetFormattedVisible(int row, bool visible) override;
  void SetResultVisible(bool visible) override;
  void SetFormattedResultVisible(bool visible) override;
  bool IsEditView() const override;
  bool IsResultVisible() const override;
  bool IsFormattedResultVisible() const override;
  void AppendRow() override;
  void RemoveRowsFrom(int first) override;
  TapeSettings Settings() const override;
  void SetSettings(const TapeSettings& settings) override;

 private:
  Form1& form_;
};

}  // namespace cinta
