// Each plausibility rule with a value that trips it and one just inside it, on
// a bulkhead otherwise plausible in every value. Which object each message
// names is checked with the command line's records (check --json).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/plausibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "geometry_test_support.h"
#include "model/codes.h"
#include "model/compartment_tables.h"

namespace korain::testing {
namespace {

using namespace profile_type;

Scantling profile(Long type, Single h1, Single e1, Single h2 = 0, Single e2 = 0) {
  Scantling s;
  s.Typ = type;
  s.H1 = h1;
  s.E1 = e1;
  s.H2 = h2;
  s.E2 = e2;
  return s;
}

// A rectangle stiffened vertically by a flat bar at y 3 with a fitted lower
// bracket, crossed by a horizontal member, plated with 12 mm, one level in a 8 m tank.
Bulkhead plausibleBulkhead() {
  Bulkhead b = rectangle();
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(4, kHorizontal));
  OrdinaryStiffener& s = b.Stiffeners.append(stiffener(3));
  s.Scant = profile(kFlatBar, 200, 10);
  s.Brackets.at(1).Enabled = true;
  s.Brackets.at(1).Length = 0.001F;
  s.Brackets.at(1).Scant = profile(kFlatBar, 300, 12);
  b.StrakeBands.append().Strakes.append().Th = 12;
  b.Compartments.at(1).Name = "Tank";
  b.Compartments.at(1).Table1.at(kHeightEntry) = 8;
  b.Compartments.at(1).Points.append({8, 10, 8});
  return b;
}

struct Case {
  std::function<void(Bulkhead&)> edit;
  std::string expected;  // empty: nothing is reported
};

OrdinaryStiffener& s1(Bulkhead& b) { return b.Stiffeners.at(1); }

// The rows' edits, each on the plausible bulkhead b.
#define EDIT(...) [](Bulkhead& b) { __VA_ARGS__; }

TEST(Plausibility, EachRuleTripsJustBeyondItsLimitAndNotWithin) {
  // clang-format off
  const Case cases[] = {
      {EDIT(s1(b).Scant.E1 = 0), "Ordinary 1 in 'BH': web thickness 0 mm is not plausible"},
      {EDIT(s1(b).Scant.E1 = 100), ""},
      {EDIT(s1(b).Scant.E1 = 99999), "Ordinary 1 in 'BH': web thickness 99999 mm is not plausible"},
      {EDIT(s1(b).Scant.H1 = 10001), "Ordinary 1 in 'BH': web height 10001 mm is not plausible"},
      {EDIT(s1(b).Scant.H2 = -1), ""},  // a flat bar has no flange
      {EDIT(s1(b).Scant = profile(kAngle, 200, 10, 0, 12)), "Ordinary 1 in 'BH': flange width 0 mm is not plausible"},
      {EDIT(s1(b).Scant = {}), ""},
      {EDIT(s1(b).Scant = profile(kPlateReference, 2, -1)), ""},
      {EDIT(s1(b).Scant = profile(kPlateReference, 2, 0)), "Ordinary 1 in 'BH': plate thickness 0 mm is not plausible"},
      {EDIT(s1(b).Brackets.at(1).Length = 0), "Lower bracket of ordinary 1 in 'BH': length 0 m is not plausible"},
      {EDIT(s1(b).Brackets.at(1).Scant = {}), "Lower bracket of ordinary 1 in 'BH' is fitted without a scantling"},
      {EDIT(s1(b).Brackets.at(1).Enabled = false; s1(b).Brackets.at(1).Length = 0), ""},
      {EDIT(s1(b).Spans.redim(1); s1(b).Spans.at(1).HasScantling = true; s1(b).Spans.at(1).Scant = profile(kBulb, 200, -3)),
       "Span 1 of ordinary 1 in 'BH': web thickness -3 mm is not plausible"},
      {EDIT(b.Stiffeners.append(s1(b)).Position = 3.0011F), ""},
      {EDIT(b.Stiffeners.append(s1(b)).Position = 2.9991F), "Ordinary 1 and 2 in 'BH' are less than 1 mm apart"},
      {EDIT(b.PrimaryMembers.at(1).Position = 3), ""},
      {EDIT(b.PrimaryMembers.append(member(3.0005, kVertical))), "Ordinary 1 in 'BH' lies on primary supporting member 2"},
      {EDIT(s1(b).Brackets.at(1).Enabled = false; s1(b).TypeConn = kSoftToe), ""},
      {EDIT(s1(b).TypeConn = kSoftToe), "Ordinary 1 in 'BH' has a soft toe connection and a bracket"},
      {EDIT(b.StrakeBands.at(1).Strakes.at(1).Th = -3), "Strake 1 in 'BH': thickness -3 mm is not plausible"},
      {EDIT(b.StrakeBands.at(1).Strakes.at(1).Th = 100), ""},
      {EDIT(b.Compartments.at(1).Points.at(1).H = 8.5F), "Filling level 1 of 'Tank' is above the compartment's height of 8 m"},
      {EDIT(b.Compartments.at(1).Points.at(1).L = 0), "Filling level 1 of 'Tank': free surface length 0 m is not plausible"},
      {EDIT(b.Compartments.at(1).Points.at(1).B = -1), "Filling level 1 of 'Tank': free surface breadth -1 m is not plausible"},
  };
  // clang-format on
  Bulkhead base = plausibleBulkhead();
  ASSERT_TRUE(computeCheckedBulkhead(base, 1, 0, kTestDefaultMaterial).empty());
  for (const Case& c : cases) {
    Bulkhead b = plausibleBulkhead();
    c.edit(b);
    std::vector<std::string> expected;
    if (!c.expected.empty()) expected.push_back(c.expected);
    EXPECT_EQ(messagesOf(computeCheckedBulkhead(b, 1, 0, kTestDefaultMaterial)), expected);
  }
}

}  // namespace
}  // namespace korain::testing
