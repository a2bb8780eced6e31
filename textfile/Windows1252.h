// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace cinta {

// Files hold single-byte Windows-1252 text; the program holds UTF-8. Every byte decodes, the five
// bytes without a Windows-1252 character (0x81, 0x8D, 0x8F, 0x90, 0x9D) to the C1 controls of the
// same value, so that decoding and encoding again gives back the bytes read.
std::string DecodeWindows1252(std::string_view bytes);

// A character without a Windows-1252 byte, and each broken piece of invalid UTF-8, becomes "?",
// so that one character of the text is always one byte of the file.
std::string EncodeWindows1252(std::string_view utf8);

// The text of a file that people may save from any editor: valid UTF-8, with or without a byte
// order mark, is taken as UTF-8 (without the mark), since Windows-1252 text outside ASCII is
// almost never valid UTF-8; anything else is decoded from Windows-1252. `endMayBeCut` says that
// the bytes are only the beginning of the file, so that a character cut short at their end is
// dropped instead of making the whole text Windows-1252.
std::string DecodeUtf8OrWindows1252(std::string_view bytes, bool endMayBeCut);

}  // namespace cinta
