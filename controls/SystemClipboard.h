// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace cinta {

// Puts `text` on the system's clipboard, every line break (CR LF, CR or LF) as the system's own,
// so that a program on Linux shows no stray CR and one on Windows gets CR LF exactly once.
void PutOnClipboard(QString text);

}  // namespace cinta
