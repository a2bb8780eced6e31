// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/PreviousResults.h"

namespace cinta {

// The previous-results list over a vector, for tests. Starts as the window's list does: empty,
// hidden, with "Resultados anteriores" in its text field.
class MemoryPreviousResults : public PreviousResultsList {
 public:
  void AppendEntry(std::string_view entry) override;
  int EntryCount() const override;
  std::string Entry(int index) const override;
  void SetFieldText(std::string_view text) override;
  std::string FieldText() const override;
  void RemoveAllEntries() override;
  bool IsShown() const override;
  void Show() override;

  const std::vector<std::string>& Entries() const;

 private:
  std::vector<std::string> entries_;
  std::string fieldText_ = "Resultados anteriores";
  bool shown_ = false;
};

}  // namespace cinta
