// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "calc/OperatorCode.h"

namespace cinta {
namespace {

TEST(ParseOperatorCode, AcceptsOnlyTheExactTextsZeroToEleven) {
  for (int code = 0; code < kOperatorCount; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ParseOperatorCode(std::to_string(code)), static_cast<OperatorCode>(code));
  }
  struct Case {
    const char* name;
    std::string_view text;
  };
  const Case rejected[] = {
      {"Empty", ""},          {"Twelve", "12"},        {"LeadingZero", "01"},
      {"DoubleZero", "00"},   {"LeadingBlank", " 1"},  {"TrailingBlank", "1 "},
      {"Sign", "+1"},         {"Negative", "-1"},      {"Letter", "a"},
      {"ThreeDigits", "100"}, {"DecimalPoint", "1.0"}, {"EmbeddedNul", std::string_view("1\0", 2)},
  };
  for (const Case& c : rejected) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseOperatorCode(c.text), std::nullopt);
  }
}

}  // namespace
}  // namespace cinta
