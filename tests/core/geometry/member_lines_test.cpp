// A span's bracket at a primary member: one triangle on the member for each
// bracket length of a span that ends there, none at the stiffener's own ends.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/member_lines.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "model/codes.h"

namespace korain {
namespace {

// A vertical stiffener at y = 2 from z = 0 to 9, crossing members at 3 and 6.
OrdinaryStiffener threeSpans() {
  OrdinaryStiffener stiffener;
  stiffener.Position = 2;
  stiffener.Extremities.redim(4);
  for (int i = 1; i <= 4; ++i) stiffener.Extremities.at(i) = static_cast<Single>(3 * (i - 1));
  stiffener.Spans.redim(3);
  return stiffener;
}

TEST(SpanBrackets, OneOnTheMemberForEachLengthAtAnInnerEnd) {
  constexpr auto kNaN = std::numeric_limits<Single>::quiet_NaN();
  const struct {
    int span;
    Single lower, upper;
    int brackets;      // expected at the members
    double at, reach;  // where the first stands, how far its leg goes up the stiffener
  } cases[] = {
      {1, 0.4F, 0, 0, 0, 0},         // the stiffener's lower end: an end bracket's place
      {3, 0, 0.35F, 0, 0, 0},        // its upper end
      {1, 0, 0.5F, 1, 3, -0.5},      // span 1's upper end, on the member at 3, leg downward
      {2, 0.5F, 0, 1, 3, 0.5},       // span 2's lower end, leg upward
      {2, 0.3F, 0.6F, 2, 3, 0.3},    // both ends of the middle span
      {2, kNaN, -1, 0, 0, 0},        // not a length
      {3, 0.25F, 0.5F, 1, 6, 0.25},  // the last span: only its lower end is on a member
  };
  for (const auto& c : cases) {
    OrdinaryStiffener stiffener = threeSpans();
    stiffener.Spans.at(c.span).LowerBracketLength = c.lower;
    stiffener.Spans.at(c.span).UpperBracketLength = c.upper;
    const std::vector<SpanBracket> brackets = spanBrackets(stiffener, kVertical);
    ASSERT_EQ(static_cast<int>(brackets.size()), c.brackets) << "span " << c.span;
    if (brackets.empty()) continue;
    const BracketOutline& outline = brackets.front().outline;
    EXPECT_EQ(brackets.front().span, c.span);
    EXPECT_NEAR(outline.along.z - outline.tip.z, c.reach, 1e-6);
    // Its tip on the stiffener, its foot beside it, both on the member.
    EXPECT_EQ(std::pair(outline.tip.y, outline.tip.z), std::pair(2.0, c.at));
    EXPECT_DOUBLE_EQ(outline.foot.z, c.at);
    EXPECT_GT(outline.foot.y, 2);
  }
}

}  // namespace
}  // namespace korain
