// Brackets at a span's ends in one step: the span's own bracket lengths on a
// primary member, the stiffener's end brackets where the span ends with it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/span_bracket_edits.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "../geometry/geometry_test_support.h"
#include "edit/stiffener_edits.h"
#include "model/codes.h"

namespace korain::testing {
namespace {

constexpr Scantling kAngle{.Typ = kAngleProfile, .H1 = 250, .E1 = 11, .H2 = 90, .E2 = 14};
constexpr Single kLength = 0.45F;

// The plate 0..10 by 0..8 with the corner (6..10, 0..4) cut away; horizontal
// members at z 3 (over y 0..6 only) and z 6 make support intervals 1 (below
// 3), 2 and 3 (above 6). Vertical angle stiffeners at y 2 and 4 run through
// all three; the one at y 8 starts at z 4, in interval 2.
Bulkhead steppedBulkhead() {
  Bulkhead b = bulkheadThrough({straightNode(0, 0), straightNode(6, 0), straightNode(6, 4),
                                straightNode(10, 4), straightNode(10, 8), straightNode(0, 8),
                                straightNode(0, 0)});
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(3, kHorizontal));
  b.PrimaryMembers.append(member(6, kHorizontal));
  for (const double y : {2.0, 4.0, 8.0}) {
    OrdinaryStiffener& s = b.Stiffeners.append(stiffener(y));
    s.Scant = kAngle;
  }
  EXPECT_TRUE(compute(b).empty());
  return b;
}

void select(Bulkhead& b, const std::vector<bool>& selected) {
  for (int k = 1; k <= b.Stiffeners.count(); ++k) {
    b.Stiffeners.at(k).Selected = selected.at(static_cast<std::size_t>(k) - 1);
  }
}

TEST(SpanEndBrackets, SetAtTheSpansEndsAndOnTheStiffenersOwnEnds) {
  struct Case {
    const char* what;
    int interval;
    std::vector<bool> selected;
    bool lower;
    bool upper;
    // Per stiffener: whether its lower and upper end brackets end up fitted.
    std::array<std::pair<bool, bool>, 3> fitted;
    int withoutSpan;
  };
  const Case cases[] = {
      {"lower end of the lowest span",
       1,
       {true, false, false},
       true,
       false,
       {{{true, false}, {false, false}, {false, false}}},
       0},
      {"upper end of the highest span",
       3,
       {true, false, false},
       false,
       true,
       {{{false, true}, {false, false}, {false, false}}},
       0},
      {"both ends of an inner span",
       2,
       {true, false, false},
       true,
       true,
       {{{false, false}, {false, false}, {false, false}}},
       0},
      {"several stiffeners",
       1,
       {true, true, false},
       true,
       false,
       {{{true, false}, {true, false}, {false, false}}},
       0},
      {"a stiffener without that interval",
       1,
       {false, true, true},
       true,
       true,
       {{{false, false}, {true, false}, {false, false}}},
       1},
      {"the short stiffener starts in interval 2",
       2,
       {true, true, true},
       true,
       false,
       {{{false, false}, {false, false}, {true, false}}},
       0},
  };
  for (const Case& c : cases) {
    Bulkhead b = steppedBulkhead();
    select(b, c.selected);
    const Bulkhead before = b;
    EXPECT_EQ(selectedWithoutSpan(b, c.interval), c.withoutSpan) << c.what;
    setSpanEndBrackets(b, c.interval,
                       {.lower = c.lower, .upper = c.upper, .length = kLength, .scantling = {}});
    // The computation copies the end brackets' lengths into the end spans:
    // after it every span agrees with what was asked of it.
    ASSERT_TRUE(compute(b).empty()) << c.what;
    for (int k = 1; k <= 3; ++k) {
      const OrdinaryStiffener& was = before.Stiffeners.at(k);
      const OrdinaryStiffener& now = b.Stiffeners.at(k);
      const auto [lowerFitted, upperFitted] = c.fitted.at(static_cast<std::size_t>(k) - 1);
      EXPECT_EQ(now.Brackets.at(1).Enabled, lowerFitted) << c.what << ", stiffener " << k;
      EXPECT_EQ(now.Brackets.at(2).Enabled, upperFitted) << c.what << ", stiffener " << k;
      for (const auto& [fitted, bracket] : {std::pair(lowerFitted, 1), {upperFitted, 2}}) {
        if (!fitted) continue;
        EXPECT_FLOAT_EQ(now.Brackets.at(bracket).Length, kLength) << c.what << ", " << k;
        EXPECT_EQ(now.Brackets.at(bracket).Scant,
                  (Scantling{.Typ = kFlatProfile, .H1 = kAngle.H1, .E1 = kAngle.E1}))
            << c.what << ", stiffener " << k;
      }
      const int span = spanInInterval(was, c.interval);
      if (!was.Selected || span == 0) {
        EXPECT_EQ(now, was) << c.what << ", stiffener " << k << " is not to change";
        continue;
      }
      const StiffenerSpan& edited = now.Spans.at(span);
      EXPECT_FLOAT_EQ(edited.LowerBracketLength,
                      c.lower ? kLength : was.Spans.at(span).LowerBracketLength)
          << c.what << ", " << k;
      EXPECT_FLOAT_EQ(edited.UpperBracketLength,
                      c.upper ? kLength : was.Spans.at(span).UpperBracketLength)
          << c.what << ", " << k;
    }
  }
}

TEST(SpanEndBrackets, AScantlingGivenReplacesTheFlatBarOfTheWeb) {
  Bulkhead b = steppedBulkhead();
  select(b, {true, false, false});
  const Scantling given{.Typ = kFlatProfile, .H1 = 300, .E1 = 12};
  setSpanEndBrackets(b, 1, {.lower = true, .length = 0.6F, .scantling = given});
  EXPECT_EQ(b.Stiffeners.at(1).Brackets.at(1).Scant, given);
}

TEST(SpanEndBrackets, ABracketBesideASoftToeIsToldBeforehand) {
  struct Case {
    const char* what;
    int interval;
    bool lower;
    bool upper;
    bool told;
  };
  // Stiffener 1, selected, has a soft toe; stiffener 2, not selected, too.
  const Case cases[] = {
      {"own lower end", 1, true, false, true},
      {"own upper end", 3, false, true, true},
      {"ends on members only", 2, true, true, false},
      {"the upper end of the lowest span lies on a member", 1, false, true, false},
  };
  for (const Case& c : cases) {
    Bulkhead b = steppedBulkhead();
    select(b, {true, false, false});
    b.Stiffeners.at(1).TypeConn = kSoftToe;
    b.Stiffeners.at(2).TypeConn = kSoftToe;
    EXPECT_EQ(
        fitsBracketBesideSoftToe(
            b, c.interval, {.lower = c.lower, .upper = c.upper, .length = 0, .scantling = {}}),
        c.told)
        << c.what;
  }
}

}  // namespace
}  // namespace korain::testing
