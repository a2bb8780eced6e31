// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace cinta {

// Writes every byte at the handle's current position, however the system splits the write;
// false on the first failure.
#ifdef _WIN32
bool WriteAll(HANDLE handle, std::string_view bytes);
#else
bool WriteAll(int fd, std::string_view bytes);
#endif

}  // namespace cinta
