// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QSet>
#include <QWidget>

namespace cinta {

// The controls of `window` that Tab can reach now: shown, enabled and taking Tab focus.
QSet<QWidget*> TabStops(const QWidget& window);

// Presses Tab from the focused control until the focus comes back to `start`, and returns every
// control that had the focus on the way, `start` last. Stops after `limit` presses, so that a
// round that never returns ends too.
QList<QWidget*> TabRound(const QWidget* start, qsizetype limit);

}  // namespace cinta
