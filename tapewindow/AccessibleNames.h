// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "calc/OperatorCode.h"

namespace cinta {

// How a screen reader names the operator of `code` when no name was configured.
QString SpokenOperatorName(OperatorCode code);

}  // namespace cinta
