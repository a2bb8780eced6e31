// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace cinta {

inline constexpr int kBold = 700;
inline constexpr int kNormal = 400;

// A font by face name, size in points (fractional sizes such as 27.75 are real) and weight.
// "Arial" and "Courier New" resolve to their metric-compatible Liberation faces where the
// originals are missing, so text keeps the widths the layout was drawn for.
QFont ControlFont(const QString& face, double points, int weight = kNormal);

// The face actually used for a requested face name.
QString ResolveFontFamily(const QString& face);

}  // namespace cinta
