// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace cinta {

// The folder of the running executable, which holds configuracion/, operaciones/ and
// operacion.txt. Needs the application object.
std::filesystem::path ProgramDirectory();

}  // namespace cinta
