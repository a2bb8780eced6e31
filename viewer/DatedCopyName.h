// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <string>

namespace cinta {

// "year-month-day--hour-minute", each number without leading zeros and the hour from 0 to 23:
// 6 December 2011 at 09:05 gives "2011-12-6--9-5". Dated copies carry no extension.
std::string DatedCopyName(const QDateTime& when);

}  // namespace cinta
