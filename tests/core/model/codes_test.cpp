// Display texts of the code tables, and codes outside them.
#include "model/codes.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(Codes, EachTableGivesItsTextsAndNothingOutsideIt) {
  EXPECT_EQ(objectKindText(0), "Bulkhead Arrangement");
  EXPECT_EQ(objectKindText(3), "Primary supporting members");
  EXPECT_EQ(objectKindText(7), "Compartment");
  EXPECT_EQ(objectKindText(8), std::nullopt);
  EXPECT_EQ(bulkheadTypeText(2), "Corrugated");
  EXPECT_EQ(bulkheadTypeText(-1), std::nullopt);
  EXPECT_EQ(directionText(1), "Vertical");
  EXPECT_EQ(directionText(2), std::nullopt);
  EXPECT_EQ(sideText(0), "Forward compartment");
  EXPECT_EQ(sideText(1), "Aftward compartment");
}

}  // namespace
}  // namespace korain
