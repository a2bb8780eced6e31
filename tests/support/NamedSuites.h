// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace cinta {

// One QTest class of a program that holds several: `run` runs it and returns its number of
// failures.
struct NamedSuite {
  std::string_view name;
  int (*run)(int argc, char** argv);
};

// The main() of such a program: runs the suite named by the first argument and hands QTest the
// arguments after it, so that each class is a test of its own to ctest and can be run alone.
// Returns 0 when the suite passed, 1 when it failed, 2 when no such suite was named.
int RunNamedSuite(int argc, char** argv, std::span<const NamedSuite> suites);

}  // namespace cinta
