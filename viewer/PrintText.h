// SPDX-License-Identifier: MIT
#pragma once

#include <QPrinter>
#include <QString>
#include <memory>

namespace cinta {

// Prints `text` on `printer` in a fixed-pitch face, 12 points, from the top-left corner of its
// printable area with no heading or page number: every line break (CR LF, CR or LF) starts a new
// line, a line too wide for the page goes on below rather than being cut, and a new page begins
// when a line no longer fits. The document is ended before returning, so the job is sent at once.
void PrintText(QPrinter& printer, const QString& text);

// The system's default printer, or nullptr when there is none.
std::unique_ptr<QPrinter> OpenDefaultPrinter();

}  // namespace cinta
