// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "textfile/WriteResult.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace cinta {

// Writes every byte at the handle's current position, however the system splits the write;
// stops at the first failure and says why.
#ifdef _WIN32
WriteResult WriteAll(HANDLE handle, std::string_view bytes);
#else
WriteResult WriteAll(int fd, std::string_view bytes);
#endif

}  // namespace cinta
