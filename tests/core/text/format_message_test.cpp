// Placeholders of message templates.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/format_message.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(FormatMessage, FillsPlaceholdersInOrder) {
  EXPECT_EQ(formatMessage("Can not find ZEL ¤ in file '¤'", {3, "c:\\data\\ship.dbs"}),
            "Can not find ZEL 3 in file 'c:\\data\\ship.dbs'");
  EXPECT_EQ(formatMessage("¤", {"²§¤"}), "²§¤");  // argument text is not scanned
  // Arguments and placeholders left over.
  EXPECT_EQ(formatMessage("Value ¤.", {"a", 2.5, -7}), "Value a. 2.5 -7");
  EXPECT_EQ(formatMessage("¤ and ¤", {"one"}), "one and ¤");
}

TEST(FormatMessage, LineBreakAndTabMarks) {
  const std::string lineBreak(1, kMessageLineBreak);
  const std::pair<const char*, std::string> cases[] = {
      {"x²²y", "x²y"}, {"a²b", "a" + lineBreak + "b"}, {"a§b", "a\tb"},
      {"a§§b", "a§b"}, {"²²²", "²" + lineBreak},       {"Größe ×", "Größe ×"},
  };
  for (const auto& [templ, expected] : cases) EXPECT_EQ(formatMessage(templ), expected) << templ;
}

}  // namespace
}  // namespace korain
