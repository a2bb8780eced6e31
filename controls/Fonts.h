// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>
#include <thread>

namespace cinta {

inline constexpr int kBold = 700;
inline constexpr int kNormal = 400;

// A font by face name, size in points (fractional sizes such as 27.75 are real) and weight.
// "Arial" and "Courier New" fall back to their metric-compatible Liberation faces where the
// originals are missing, so text keeps the widths the layout was drawn for.
QFont ControlFont(const QString& face, double points, int weight = kNormal);

// Loads the font system's list of faces (several milliseconds with fontconfig) on a second
// thread, so that a window can create its controls meanwhile. The first text the window measures
// or draws waits for the list; the destructor waits for the thread.
class FontSystemWarmUp {
 public:
  FontSystemWarmUp();

 private:
  std::jthread worker_;
};

}  // namespace cinta
