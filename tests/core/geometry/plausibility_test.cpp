// Each plausibility and placement rule with a value that trips it and one just
// inside it, on a bulkhead otherwise plausible in every value. Which object each
// message names is checked with the command line's records (check --json).
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

// A rectangle 10 m wide and 8 m high stiffened vertically by a flat bar at y 3
// with a fitted lower bracket, crossed by a horizontal member at z 4, plated
// with 12 mm, one level in a 10 by 10 by 8 m tank.
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
  b.Compartments.at(1).Table1.at(kLengthEntry) = 10;
  b.Compartments.at(1).Table1.at(kBreadthEntry) = 10;
  b.Compartments.at(1).Points.append({8, 10, 8});
  return b;
}

struct Case {
  std::function<void(Bulkhead&)> edit;
  std::string expected;  // empty: nothing is reported
};

OrdinaryStiffener& s1(Bulkhead& b) { return b.Stiffeners.at(1); }

// The first span given a plausible scantling of its own.
StiffenerSpan& ownSpan(Bulkhead& b) {
  s1(b).Spans.redim(1);
  StiffenerSpan& span = s1(b).Spans.at(1);
  span.HasScantling = true;
  span.Mat = 1;
  span.Scant = profile(kFlatBar, 200, 10);
  return span;
}

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
      {EDIT(ownSpan(b).Scant = profile(kBulb, 200, -3)), "Span 1 of ordinary 1 in 'BH': web thickness -3 mm is not plausible"},
      {EDIT(ownSpan(b).Scant = {}), "Span 1 of ordinary 1 in 'BH' has a scantling of its own without a profile"},
      {EDIT(ownSpan(b).Mat = 0), "Span 1 of ordinary 1 in 'BH' has a scantling of its own without a material"},
      {EDIT(StiffenerSpan& span = ownSpan(b); span.HasScantling = false; span.Mat = 0; span.Scant = {}), ""},
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
      {EDIT(b.Compartments.at(1).Table1.at(kLengthEntry) = -5), "Compartment 'Tank': length -5 m is not plausible"},
      {EDIT(b.Compartments.at(1).Table1.at(kBreadthEntry) = 0), "Compartment 'Tank': breadth is not given, so its filling levels cannot be judged for resonance"},
      {EDIT(b.Compartments.at(1).Table1.at(kBreadthEntry) = 0; b.Compartments.at(1).Points.redim(0)), ""},
      {EDIT(s1(b).Position = 10.002F), "Ordinary 1 in 'BH' at y 10.002 m lies outside the bulkhead (0 to 10 m)"},
      // With a neighbour: a lone stiffener on the edge has no plate to work with.
      {EDIT(s1(b).Position = 10.0009F; b.Stiffeners.append(s1(b)).Position = 9.2F), ""},
      {EDIT(s1(b).Position = -1e8F), "Ordinary 1 in 'BH' at y -1E+08 m lies outside the bulkhead (0 to 10 m)"},
      {EDIT(s1(b).Brackets.at(1).Length = 2; s1(b).Spans.redim(2); s1(b).Spans.at(1).UpperBracketLength = 2),
       "Span 1 of ordinary 1 in 'BH': brackets of 2 m and 2 m leave nothing of its length of 4 m"},
      {EDIT(s1(b).Brackets.at(1).Length = 1.99F; s1(b).Spans.redim(2); s1(b).Spans.at(1).UpperBracketLength = 2), ""},
      {EDIT(s1(b).Brackets.at(1).Enabled = false; s1(b).Brackets.at(1).Length = 5), ""},  // no bracket fitted
      {EDIT(s1(b).Spans.redim(2); s1(b).Brackets.at(2).Enabled = true; s1(b).Brackets.at(2).Scant = profile(kFlatBar, 300, 12); s1(b).Brackets.at(2).Length = 4.5F),
       "Span 2 of ordinary 1 in 'BH': brackets of 0 m and 4.5 m leave nothing of its length of 4 m"},
      {EDIT(b.Nodes.at(2).Y = 500.5F; b.Nodes.at(3).Y = 500), "Node 2 of 'BH': y 500.5 m is more than 500 m from the centre line"},
      {EDIT(b.Nodes.at(3).Z = 600; b.Nodes.at(4).Z = 500), "Node 3 of 'BH': z 600 m is more than 500 m from the base line"},
      {EDIT(b.Corr = {.Start = -0.5F, .S1 = 12, .A = 1}), "Corrugation 1 in 'BH' at y -0.5 m lies outside the bulkhead (0 to 10 m)"},
      {EDIT(b.Corr = {.Start = -0.0009F, .S1 = 12, .A = 1}), ""},
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
