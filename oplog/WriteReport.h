// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

#include "textfile/WriteResult.h"

namespace cinta {

// The report's file, operacion.txt in the program folder; the viewer shows and rewrites it.
std::filesystem::path OperationLogPath(const std::filesystem::path& programDir);

// Replaces operacion.txt in the program folder with the report's bytes, whole or not at all;
// says why when it could not be written, so that the viewer can tell the user.
WriteResult WriteReport(const std::filesystem::path& programDir, std::string_view bytes);

}  // namespace cinta
