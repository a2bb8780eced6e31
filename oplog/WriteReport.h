// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

namespace cinta {

// Replaces operacion.txt in the program folder with the report's bytes, whole or not at all;
// false when it could not be written.
bool WriteReport(const std::filesystem::path& programDir, std::string_view bytes);

}  // namespace cinta
