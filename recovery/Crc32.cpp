// SPDX-License-Identifier: MIT
#include "recovery/Crc32.h"

#include <array>
#include <cstddef>

namespace cinta {
namespace {

// Four tables, so that four bytes are folded in per step: the records of a long tape run to
// megabytes, and one table a byte at a time would cost an undo of C milliseconds.
using Tables = std::array<std::array<std::uint32_t, 256>, 4>;

constexpr Tables MakeTables() {
  Tables tables{};
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    std::uint32_t crc = byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1U) != 0 ? 0xEDB88320U : 0U);
    tables[0][byte] = crc;
  }
  for (std::size_t table = 1; table < tables.size(); ++table) {
    for (std::size_t byte = 0; byte < 256; ++byte) {
      const std::uint32_t previous = tables[table - 1][byte];
      tables[table][byte] = (previous >> 8) ^ tables[0][previous & 0xFFU];
    }
  }
  return tables;
}

constexpr Tables kTables = MakeTables();

std::uint32_t Byte(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  std::size_t at = 0;
  for (; at + 4 <= bytes.size(); at += 4) {
    crc ^= Byte(bytes, at) | Byte(bytes, at + 1) << 8 | Byte(bytes, at + 2) << 16 |
           Byte(bytes, at + 3) << 24;
    crc = kTables[3][crc & 0xFFU] ^ kTables[2][(crc >> 8) & 0xFFU] ^
          kTables[1][(crc >> 16) & 0xFFU] ^ kTables[0][crc >> 24];
  }
  for (; at < bytes.size(); ++at) crc = (crc >> 8) ^ kTables[0][(crc ^ Byte(bytes, at)) & 0xFFU];
  return crc ^ 0xFFFFFFFFU;
}

}  // namespace cinta
