// SPDX-License-Identifier: MIT
#pragma once

#include "calc/TapeFields.h"

namespace cinta {

class Form1;

// The tape's fields as the core reads and writes them, bound to the window's controls: a row's
// text is Text1(i), its operator code Label4(i), its formatted value Label2(i); the result is
// Text2 and the formatted result Label3.
class Form1Tape final : public TapeFields {
 public:
  explicit Form1Tape(Form1& form) : form_(form) {}

  int CurrentRow() const override;
  std::string OperandText(int row) const override;
  void SetOperandText(int row, std::string_view text) override;
  std::string OperatorCode(int row) const override;
  void SetOperatorCode(int row, std::string_view code) override;
  void SetFormattedText(int row, std::string_view text) override;
  std::string ResultText() const override;
  void SetResultText(std::string_view text) override;
  void SetFormattedResultText(std::string_view text) override;
  void SetEntryVisible(int row, bool visible) override;
  void SetFormattedVisible(int row, bool visible) override;
  void SetResultVisible(bool visible) override;
  void SetFormattedResultVisible(bool visible) override;
  bool IsEditView() const override;

 private:
  Form1& form_;
};

}  // namespace cinta
