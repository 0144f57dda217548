// Lines beyond ASCII are decoded wherever they stand, also when the cursor is put back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/line_cursor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korain::testing {
namespace {

std::vector<std::string> linesOf(LineCursor& cursor) {
  std::vector<std::string> lines;
  std::string_view line;
  while (cursor.next(line)) lines.emplace_back(line);
  return lines;
}

TEST(LineCursor, DecodesTheLinesThatHoldBytesBeyondAscii) {
  const std::string longAscii(70000, 'a');
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a\r\n\xB0z\r\nc\n\xE9", {"a", "°z", "c", "é"}},
      {"\xB0\r\n\xB0\r\nb", {"°", "°", "b"}},
      {longAscii + "\r\nx\xB0\r\ny", {longAscii, "x°", "y"}},
  };
  for (const Case& c : cases) {
    LineCursor cursor(c.bytes);
    EXPECT_EQ(linesOf(cursor), c.lines);
    cursor.rewind();
    std::string_view line;
    ASSERT_TRUE(cursor.next(line));
    const LinePosition second = cursor.position();
    EXPECT_EQ(linesOf(cursor).front(), c.lines.at(1));
    cursor.seek(second);
    ASSERT_TRUE(cursor.next(line));
    EXPECT_EQ(line, c.lines.at(1));
  }
}

// Only the last line of bytes without a final line end is not followed by a
// byte that a reader may scan up to.
TEST(LineCursor, SaysWhichLinesAreFollowedByTheirLineEnd) {
  for (const auto& [bytes, lastEnded] : {std::pair<std::string, bool>{"1\r\n2\n3", false},
                                         {"1\r\n2\n3\xB0", true},
                                         {"1\r\n2\n3\n", true}}) {
    LineCursor cursor(bytes);
    std::vector<bool> ended;
    std::string_view line;
    while (cursor.next(line)) ended.push_back(cursor.lineEnded());
    EXPECT_EQ(ended, (std::vector<bool>{true, true, lastEnded})) << bytes;
  }
}

}  // namespace
}  // namespace korain::testing
