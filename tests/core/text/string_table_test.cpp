// The numbered texts: the fixed file banners, and missing numbers.
#include "text/string_table.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(StringTable, TheTextsThatShapeTheFileAreFixed) {
  EXPECT_EQ(korainString(3001), "*");
  EXPECT_EQ(korainString(3002), "------------------ BLOCK ------------------");
  EXPECT_EQ(korainString(3006), "------------------ NODES ------------------");
  EXPECT_EQ(korainString(3011), "------------------ COMPARTMENT RECORD ------------------");
  EXPECT_EQ(korainString(801), "#0.0###");
}

TEST(StringTable, AMissingNumberNamesItself) {
  EXPECT_EQ(findKorainString(99999), std::nullopt);
  EXPECT_EQ(korainString(99999), "Res #99999");
  EXPECT_EQ(korainStatusString(99999), "Status #99999");
}

TEST(StringTable, EveryBannerLooksLikeOneAndDiffersFromTheOthers) {
  for (Long number : {3002, 3003, 3004, 3005, 3006, 3010, 3011, 3012, 3013, 3014, 3015, 3021}) {
    const std::string text = korainString(number);
    EXPECT_TRUE(text.starts_with("------")) << number;
    for (Long other : {3002, 3003, 3004, 3005, 3006, 3010, 3011, 3012, 3013, 3014, 3015, 3021}) {
      if (other != number) {
        EXPECT_NE(text, korainString(other)) << number << " " << other;
      }
    }
  }
}

}  // namespace
}  // namespace korain
