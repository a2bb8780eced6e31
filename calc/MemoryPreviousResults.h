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
  void SetFieldText(std::string_view text) override;
  void RemoveAllEntries() override;
  bool IsShown() const override;
  void Show() override;

  const std::vector<std::string>& Entries() const;
  const std::string& FieldText() const;

 private:
  std::vector<std::string> entries_;
  std::string fieldText_ = "Resultados anteriores";
  bool shown_ = false;
};

}  // namespace cinta
