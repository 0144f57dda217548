// The numbered texts: a missing number names itself.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/string_table.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(StringTable, AMissingNumberNamesItself) {
  EXPECT_EQ(findKorainString(99999), std::nullopt);
  EXPECT_EQ(korainString(99999), "Res #99999");
  EXPECT_EQ(korainStatusString(99999), "Status #99999");
}

}  // namespace
}  // namespace korain
