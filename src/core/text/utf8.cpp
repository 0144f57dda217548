// Walking UTF-8 text character by character.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/utf8.h"

namespace korain {
namespace {

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

}  // namespace

std::size_t characterEnd(std::string_view text, std::size_t pos) {
  std::size_t end = pos + 1;
  while (end < text.size() && isContinuation(text[end])) ++end;
  return end;
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t characters = 0; end < text.size() && characters < count; ++characters) {
    end = characterEnd(text, end);
  }
  return text.substr(0, end);
}

std::size_t characterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at = characterEnd(text, at)) ++count;
  return count;
}

std::string paddedToWidth(std::string_view text, std::size_t width) {
  std::string result(firstCharacters(text, width));
  result.append(width - characterCount(result), ' ');
  return result;
}

}  // namespace korain
