// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

namespace cinta {

// The report's file, operacion.txt in the program folder; the viewer shows and rewrites it.
std::filesystem::path OperationLogPath(const std::filesystem::path& programDir);

// Replaces operacion.txt in the program folder with the report's bytes, whole or not at all;
// false when it could not be written.
bool WriteReport(const std::filesystem::path& programDir, std::string_view bytes);

}  // namespace cinta
