// SPDX-License-Identifier: MIT
#pragma once

#include "calc/PreviousResults.h"

namespace cinta {

class Form1;

// The list of previous results as the core sees it, bound to the window: the entries and the
// text field are those of Combo1, and the eraser key Command12 is shown together with it.
class Form1PreviousResults final : public PreviousResultsList {
 public:
  explicit Form1PreviousResults(Form1& form) : form_(form) {}

  void AppendEntry(std::string_view entry) override;
  int EntryCount() const override;
  std::string Entry(int index) const override;
  void SetFieldText(std::string_view text) override;
  std::string FieldText() const override;
  void RemoveAllEntries() override;
  bool IsShown() const override;
  void Show() override;

 private:
  Form1& form_;
};

}  // namespace cinta
