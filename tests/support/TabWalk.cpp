// SPDX-License-Identifier: MIT
#include "support/TabWalk.h"

#include <QApplication>
#include <QtTest>

namespace cinta {

QSet<QWidget*> TabStops(const QWidget& window) {
  QSet<QWidget*> stops;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->isVisible() && control->isEnabled() &&
        (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
      stops << control;
    }
  }
  return stops;
}

QList<QWidget*> TabRound(const QWidget* start, qsizetype limit) {
  QList<QWidget*> visited;
  do {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget();
  } while (visited.last() != start && visited.size() < limit);
  return visited;
}

}  // namespace cinta
