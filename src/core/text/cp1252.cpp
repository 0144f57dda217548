// Converts between the Windows-1252 bytes of the database files and UTF-8.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace korain {
namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the upper half is Latin-1.
// The five bytes the code page leaves undefined keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr char kReplacement = '?';

bool isContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

char32_t characterOfByte(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80U];
  return byte;
}

void appendUtf8(std::string& out, char32_t character) {
  if (character < 0x80) {
    out.push_back(static_cast<char>(character));
  } else if (character < 0x800) {
    out.push_back(static_cast<char>(0xC0U | (character >> 6)));
    out.push_back(static_cast<char>(0x80U | (character & 0x3FU)));
  } else {
    out.push_back(static_cast<char>(0xE0U | (character >> 12)));
    out.push_back(static_cast<char>(0x80U | ((character >> 6) & 0x3FU)));
    out.push_back(static_cast<char>(0x80U | (character & 0x3FU)));
  }
}

// The byte of a character, or nothing when the code page has none.
std::optional<char> byteOfCharacter(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<char>(character);
  }
  const auto found = std::find(kHighControls.begin(), kHighControls.end(), character);
  if (found == kHighControls.end()) return std::nullopt;
  return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

// One decoded UTF-8 sequence; length is the number of bytes it took, and a
// malformed sequence has no character. A malformed sequence takes only the
// bytes that could still have begun a valid one, so that a good character right
// after a broken one is not lost.
struct Decoded {
  std::optional<char32_t> character;
  std::size_t length = 1;
};

Decoded decodeUtf8(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t continuations = 0;
  // Bounds of the first continuation byte: they rule out overlong forms,
  // surrogates and code points beyond U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  char32_t character = 0;
  if (lead < 0x80) return {lead, 1};
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
    character = lead & 0x1FU;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    character = lead & 0x0FU;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    character = lead & 0x07U;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {};
  }
  Decoded decoded;
  for (std::size_t i = 1; i <= continuations; ++i) {
    if (pos + i >= text.size()) return decoded;
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    const bool fits = i == 1 ? byte >= low && byte <= high : isContinuation(byte);
    if (!fits) return decoded;
    character = (character << 6) | (byte & 0x3FU);
    decoded.length = i + 1;
  }
  decoded.character = character;
  return decoded;
}

}  // namespace

// Eight bytes at a time: every line of a file passes through here.
std::size_t asciiLength(std::string_view bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080U;
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) <= bytes.size(); i += sizeof(std::uint64_t)) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    if ((word & kHighBits) != 0) break;
  }
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

bool isAscii(std::string_view bytes) { return asciiLength(bytes) == bytes.size(); }

void appendUtf8FromCp1252(std::string& out, std::string_view bytes) {
  if (isAscii(bytes)) {
    out.append(bytes);
    return;
  }
  out.reserve(out.size() + bytes.size() * 2);
  for (const char byte : bytes) appendUtf8(out, characterOfByte(static_cast<unsigned char>(byte)));
}

std::string utf8FromCp1252(std::string_view bytes) {
  std::string text;
  appendUtf8FromCp1252(text, bytes);
  return text;
}

int appendCp1252FromUtf8(std::string& out, std::string_view utf8) {
  if (isAscii(utf8)) {
    out.append(utf8);
    return 0;
  }
  int unmappable = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const Decoded decoded = decodeUtf8(utf8, pos);
    const auto byte = decoded.character ? byteOfCharacter(*decoded.character) : std::nullopt;
    out.push_back(byte.value_or(kReplacement));
    if (!byte) ++unmappable;
    pos += decoded.length;
  }
  return unmappable;
}

std::string cp1252FromUtf8(std::string_view utf8, int* unmappable) {
  std::string bytes;
  const int count = appendCp1252FromUtf8(bytes, utf8);
  if (unmappable != nullptr) *unmappable = count;
  return bytes;
}

}  // namespace korain
