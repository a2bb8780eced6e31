// SPDX-License-Identifier: MIT
#pragma once

#include "calc/OperatorCode.h"

namespace cinta {

// What became of one row: applied to the running total, refused (the total is kept and the
// evaluation goes on), or failed (the evaluation stops).
enum class RowOutcome { Applied, Refused, Failed };

// Applies one row to `total`, which changes only when the row is applied. For a binary code
// `value` is the row's number; for the reciprocal it is the value read back from the text just
// written into the row, which decides its refusal; square root and factorial ignore it.
RowOutcome ApplyOperator(OperatorCode code, double value, double& total);

}  // namespace cinta
