// SPDX-License-Identifier: MIT
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace cinta {

// A broken property stops the run so that libFuzzer keeps the input that broke it.
inline void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
  }
}

// Any double, NaN, infinities and subnormals included, from eight raw bytes of the input.
inline double ConsumeAnyDouble(FuzzedDataProvider& input) {
  double value = 0;
  input.ConsumeData(&value, sizeof value);
  return value;
}

}  // namespace cinta
