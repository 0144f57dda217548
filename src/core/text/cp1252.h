// The single-byte Windows-1252 code page of the database files, against UTF-8 in memory.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korain {

bool isAscii(std::string_view bytes);
// The number of bytes before the first one beyond ASCII (all of them when there is none).
std::size_t asciiLength(std::string_view bytes);

// Appends the UTF-8 text of Windows-1252 bytes. The five bytes the code page
// leaves undefined map to the control characters of the same number, so that
// every byte survives a read and a write.
void appendUtf8FromCp1252(std::string& out, std::string_view bytes);
std::string utf8FromCp1252(std::string_view bytes);

// Appends the Windows-1252 bytes of a UTF-8 text. A character the code page
// cannot hold, and a malformed UTF-8 sequence, is written as "?"; the return
// value counts them.
int appendCp1252FromUtf8(std::string& out, std::string_view utf8);
std::string cp1252FromUtf8(std::string_view utf8, int* unmappable = nullptr);

}  // namespace korain
