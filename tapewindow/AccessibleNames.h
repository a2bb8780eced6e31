// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace cinta {

// How a screen reader names the operator of `code` (0 to 11) when no name was configured.
QString SpokenOperatorName(int code);

}  // namespace cinta
