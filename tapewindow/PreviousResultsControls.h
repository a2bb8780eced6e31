// SPDX-License-Identifier: MIT
#pragma once

#include "calc/PreviousResults.h"
#include "controls/ComboBox.h"
#include "controls/GraphicalButton.h"

namespace cinta {

// The list of previous results as the core sees it, bound to the window: the entries and the
// text field are those of previousResults, and the eraser key clearResultsKey is shown together
// with it. Both are made after the list is bound, so it holds the window's members that will point
// to them.
class PreviousResultsControls final : public PreviousResultsList {
 public:
  PreviousResultsControls(ComboBox* const& previousResults, GraphicalButton* const& clearResultsKey)
      : list_(previousResults), clearKey_(clearResultsKey) {}

  void AppendEntry(std::string_view entry) override;
  int EntryCount() const override;
  std::string Entry(int index) const override;
  void SetFieldText(std::string_view text) override;
  std::string FieldText() const override;
  void RemoveAllEntries() override;
  bool IsShown() const override;
  void Show() override;

 private:
  ComboBox* const& list_;
  GraphicalButton* const& clearKey_;
};

}  // namespace cinta
