// Walking UTF-8 text character by character, where a file counts one
// Windows-1252 byte a character and memory may hold two or three bytes for it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korain {

// The end of the character that starts at pos: its first byte and the
// continuation bytes after it (a stray continuation byte stands alone).
std::size_t characterEnd(std::string_view text, std::size_t pos);

// How many characters the text holds.
std::size_t characterCount(std::string_view text);

// The text's first count characters (all of it when it is shorter).
std::string_view firstCharacters(std::string_view text, std::size_t count);

// The text cut or padded with blanks to exactly width characters.
std::string paddedToWidth(std::string_view text, std::size_t width);

}  // namespace korain
