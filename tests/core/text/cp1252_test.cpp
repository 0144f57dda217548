// Windows-1252 bytes against UTF-8 text.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
  EXPECT_EQ(cp1252FromUtf8("Abs°"), "Abs\xB0");
  EXPECT_EQ(utf8FromCp1252("\x80\x8A\x92\x9F\x81"), "€Š’Ÿ\u0081");
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  int unmappable = -1;
  EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all), &unmappable), all);
  EXPECT_EQ(unmappable, 0);
}

TEST(Cp1252, UnmappableAndMalformedGiveOneQuestionMarkEach) {
  const struct {
    std::string utf8;
    std::string bytes;
    int unmappable;
  } cases[] = {
      {"a\u0080\u4E2D", "a??", 2},            // no byte in the code page
      {"\U0001F600x", "?x", 1},               // four-byte character
      {"\x80\xBFx", "??x", 2},                // stray continuation bytes
      {"\xC0\xAF\xF5", "???", 3},             // bytes that never lead
      {"\xE0\x80\xAFx", "???x", 3},           // overlong
      {"\xED\xA0\x80x", "???x", 3},           // surrogate
      {"\xF4\x90\x80\x80", "????", 4},        // beyond U+10FFFF
      {"\xE2\x82\xC3\xA9\xE2", "?\xE9?", 2},  // truncated, also at the end
  };
  for (const auto& [utf8, bytes, count] : cases) {
    int unmappable = -1;
    EXPECT_EQ(cp1252FromUtf8(utf8, &unmappable), bytes) << utf8;
    EXPECT_EQ(unmappable, count) << utf8;
  }
}

}  // namespace
}  // namespace korain
