// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace cinta {

// The CRC-32 of zlib and PNG (reflected polynomial 0xEDB88320).
std::uint32_t Crc32(std::string_view bytes);

}  // namespace cinta
