// SPDX-License-Identifier: MIT
#include "viewer/DatedCopyName.h"

namespace cinta {

std::string DatedCopyName(const QDateTime& when) {
  const QDate date = when.date();
  const QTime time = when.time();
  return std::to_string(date.year()) + "-" + std::to_string(date.month()) + "-" +
         std::to_string(date.day()) + "--" + std::to_string(time.hour()) + "-" +
         std::to_string(time.minute());
}

}  // namespace cinta
