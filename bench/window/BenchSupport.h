// SPDX-License-Identifier: MIT
#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <vector>

namespace cinta {

inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
  std::nth_element(samples.begin(), middle, samples.end());
  return *middle;
}

// The most memory the process has held so far, in megabytes.
inline double PeakMemoryMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace cinta
