// Brackets at a span's ends in one step: the span's own bracket lengths on a
// primary member, the stiffener's end brackets where the span ends with it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/span_bracket_edits.h"

#include <gtest/gtest.h>

#include "../geometry/geometry_test_support.h"
#include "edit/stiffener_edits.h"
#include "model/codes.h"

namespace korain::testing {
namespace {

constexpr Scantling kAngle{.Typ = kAngleProfile, .H1 = 250, .E1 = 11, .H2 = 90, .E2 = 14};
constexpr Scantling kWebBar{.Typ = kFlatProfile, .H1 = 250, .E1 = 11};

// The plate 0..10 by 0..8 with the corner (6..10, 0..4) cut away; members at
// z 3 (over y 0..6 only) and z 6 make support intervals 1, 2 and 3. Angle
// stiffeners at y 2 and 4 run through all three; the one at y 8, with a soft
// toe, starts at z 4 in interval 2. `selected`: "x" for each one selected.
Bulkhead steppedBulkhead(const char* selected) {
  Bulkhead b = bulkheadThrough({straightNode(0, 0), straightNode(6, 0), straightNode(6, 4),
                                straightNode(10, 4), straightNode(10, 8), straightNode(0, 8),
                                straightNode(0, 0)});
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(3, kHorizontal));
  b.PrimaryMembers.append(member(6, kHorizontal));
  for (const double y : {2.0, 4.0, 8.0}) b.Stiffeners.append(stiffener(y)).Scant = kAngle;
  for (int k = 1; k <= 3; ++k) b.Stiffeners.at(k).Selected = selected[k - 1] == 'x';
  b.Stiffeners.at(3).TypeConn = kSoftToe;
  EXPECT_TRUE(compute(b).empty());
  return b;
}

// `fitted`: each stiffener's end bracket after the edit, L lower, U upper, - none.
TEST(SpanEndBrackets, SetAtTheSpansEndsAndOnTheStiffenersOwnEnds) {
  struct Case {
    const char* what;
    int interval;
    const char* selected;
    bool lower, upper;
    const char* fitted;
    int withoutSpan;
    bool softToe;
  };
  const Case cases[] = {
      {"lowest span's lower end", 1, "x..", true, false, "L--", 0, false},
      {"highest span's upper end", 3, "x..", false, true, "U--", 0, false},
      {"both ends of an inner span", 2, "x..", true, true, "---", 0, false},
      {"several stiffeners", 1, "xx.", true, false, "LL-", 0, false},
      {"a stiffener without that interval", 1, ".xx", true, true, "-L-", 1, false},
      {"the short one starts in interval 2", 2, "xxx", true, false, "--L", 0, true},
      {"its upper span ends on the contour", 3, "..x", true, false, "---", 0, false},
  };
  for (const Case& c : cases) {
    Bulkhead b = steppedBulkhead(c.selected);
    const Bulkhead before = b;
    const SpanEndBrackets asked{
        .lower = c.lower, .upper = c.upper, .length = 0.45F, .scantling = {}};
    EXPECT_EQ(selectedWithoutSpan(b, c.interval), c.withoutSpan) << c.what;
    EXPECT_EQ(fitsBracketBesideSoftToe(b, c.interval, asked), c.softToe) << c.what;
    setSpanEndBrackets(b, c.interval, asked);
    // The computation copies the end brackets' lengths into the end spans.
    ASSERT_TRUE(compute(b).empty()) << c.what;
    for (int k = 1; k <= 3; ++k) {
      const OrdinaryStiffener& was = before.Stiffeners.at(k);
      const OrdinaryStiffener& now = b.Stiffeners.at(k);
      for (const int end : {1, 2}) {
        const Bracket& bracket = now.Brackets.at(end);
        EXPECT_EQ(bracket.Enabled, c.fitted[k - 1] == "LU"[end - 1]) << c.what << ", " << k;
        EXPECT_EQ(bracket.Enabled ? bracket.Scant : kWebBar, kWebBar) << c.what << ", " << k;
      }
      const int span = spanInInterval(was, c.interval);
      if (!was.Selected || span == 0) {
        EXPECT_EQ(now, was) << c.what << ", stiffener " << k << " is not to change";
        continue;
      }
      EXPECT_FLOAT_EQ(now.Spans.at(span).LowerBracketLength, c.lower ? 0.45F : 0) << c.what;
      EXPECT_FLOAT_EQ(now.Spans.at(span).UpperBracketLength, c.upper ? 0.45F : 0) << c.what;
    }
  }
}

}  // namespace
}  // namespace korain::testing
