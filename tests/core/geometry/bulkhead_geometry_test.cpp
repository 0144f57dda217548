// What the geometry computation makes of the entered members, stiffeners,
// strakes, compartments and corrugation, and what it reports about them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "geometry/contour.h"
#include "geometry/corrugation_geometry.h"
#include "geometry/stiffener_geometry.h"
#include "geometry_test_support.h"
#include "model/codes.h"

namespace korain::testing {
namespace {

using Messages = std::vector<std::string>;
using Points = std::vector<std::pair<double, double>>;
using Values = std::vector<double>;

Bulkhead withStools(Bulkhead bulkhead, double lower, double upper) {
  bulkhead.Stool1Enabled = bulkhead.Stool2Enabled = true;
  bulkhead.Stool1Z = static_cast<Single>(lower);
  bulkhead.Stool2Z = static_cast<Single>(upper);
  return bulkhead;
}

// The support interval of every span of the stiffener.
Values intervalsOf(const OrdinaryStiffener& stiffener) {
  Values intervals;
  for (const StiffenerSpan& span : stiffener.Spans) intervals.push_back(span.IntervalNumber);
  return intervals;
}

Bulkhead sized(double width, double height, std::string name = "BH") {
  return bulkheadThrough({straightNode(0, 0), straightNode(width, 0), straightNode(width, height),
                          straightNode(0, height), straightNode(0, 0)},
                         std::move(name));
}

// A member outside the plane part keeps its typed position and is named; the
// geometry places it on the nearer bound.
TEST(BulkheadGeometryMembers, PlacedWithinThePlanePartAndCrossed) {
  Bulkhead b = withStools(rectangle(), 1, 7);
  b.PrimaryMembers.append(member(12, kHorizontal));  // above the upper stool
  b.PrimaryMembers.append(member(4, kHorizontal));
  b.PrimaryMembers.append(member(5, kVertical));
  b.PrimaryMembers.append(member(-3, kVertical));  // left of the plate
  EXPECT_EQ(compute(b), (Messages{"Primary supporting member 1 in 'BH' at z 12 m lies outside "
                                  "the bulkhead (1 to 7 m); it is drawn at 7 m",
                                  "Primary supporting member 4 in 'BH' at y -3 m lies outside "
                                  "the bulkhead (0 to 10 m); it is drawn at 0 m"}));
  EXPECT_EQ((Values{b.ZLow, b.ZHigh, b.Stool1End1, b.Stool1End2}), (Values{1, 7, 0, 10}));
  EXPECT_EQ((Values{b.PrimaryMembers.at(1).Position, b.PrimaryMembers.at(4).Position}),
            (Values{12, -3}));
  EXPECT_EQ((Values{b.PrimaryMembers.at(1).Placed, b.PrimaryMembers.at(4).Placed}), (Values{7, 0}));
  // Horizontals run across the plate, crossed by both verticals (the one
  // along the edge adds nothing new); verticals stop at the stools, and the
  // member moved onto the upper stool still crosses them at their ends.
  EXPECT_EQ(valuesOf(b.PrimaryMembers.at(1).Extremities), (Values{0, 5, 10}));
  EXPECT_EQ(valuesOf(b.PrimaryMembers.at(2).Extremities), (Values{0, 5, 10}));
  EXPECT_EQ(valuesOf(b.PrimaryMembers.at(3).Extremities), (Values{1, 4, 7}));
  EXPECT_EQ(valuesOf(b.PrimaryMembers.at(4).Extremities), (Values{1, 4, 7}));
}

TEST(BulkheadGeometryStiffeners, SpansBetweenTheMembersThatCrossThem) {
  // The plate 0..10 by 0..8 with the corner y 4..10, z 0..3 cut away.
  Bulkhead b = bulkheadThrough({straightNode(0, 0), straightNode(4, 0), straightNode(4, 3),
                                straightNode(10, 3), straightNode(10, 8), straightNode(0, 8),
                                straightNode(0, 0)});
  b.stfHV = kVertical;
  b.PrimaryMembers.append(member(2, kHorizontal));  // only over y 0..4
  b.PrimaryMembers.append(member(5, kHorizontal));
  b.Stiffeners.append(stiffener(2));
  b.Stiffeners.append(stiffener(7)).SpanReduction = 0.5F;
  OrdinaryStiffener& s1 = b.Stiffeners.at(1);
  s1.SpanReduction = 0.5F;
  s1.Brackets.at(1).Length = 0.3F;
  s1.Brackets.at(2).Length = 0.4F;
  s1.Spans.append().Mat = 5;  // an entered span is kept
  EXPECT_TRUE(compute(b).empty());

  EXPECT_EQ(std::vector<SupportInterval>(b.Supports.begin(), b.Supports.end()),
            (std::vector<SupportInterval>{{0, 0, 2, 1}, {2, 1, 5, 2}, {5, 2, 8, 0}}));

  EXPECT_EQ(valuesOf(s1.Extremities), (Values{0, 2, 5, 8}));
  ASSERT_EQ(s1.Spans.count(), 3);
  EXPECT_EQ(s1.Spans.at(1).Mat, 5);
  EXPECT_EQ(s1.SpanReduction, 0);
  // The brackets belong to the ends of the stiffener, not to every span.
  EXPECT_EQ((Values{s1.Spans.at(1).LowerBracketLength, s1.Spans.at(1).UpperBracketLength,
                    s1.Spans.at(3).LowerBracketLength, s1.Spans.at(3).UpperBracketLength}),
            (Values{0.3F, 0, 0, 0.4F}));
  EXPECT_EQ(intervalsOf(s1), (Values{1, 2, 3}));
  EXPECT_EQ(valuesOf(s1.IntervalSpans), (Values{1, 2, 3}));

  // Beyond y 4 the stiffener starts at z 3, above the short member: its first
  // span lies in the second interval, and the first interval has no span.
  const OrdinaryStiffener& s2 = b.Stiffeners.at(2);
  EXPECT_EQ(valuesOf(s2.Extremities), (Values{3, 5, 8}));
  EXPECT_EQ(intervalsOf(s2), (Values{2, 3}));
  EXPECT_EQ(valuesOf(s2.IntervalSpans), (Values{0, 1, 2}));
  EXPECT_EQ(s2.SpanReduction, 0);
}

TEST(BulkheadGeometryStiffeners, OutsideTheContourHasNoSizeAndOneSpanKeepsItsReduction) {
  Bulkhead b = rectangle();
  b.stfHV = kHorizontal;
  b.Stiffeners.append(stiffener(20));
  b.Stiffeners.append(stiffener(4)).SpanReduction = 0.5F;
  EXPECT_EQ(compute(b), Messages{"Ordinary 1 in 'BH' has no size"});
  EXPECT_EQ(b.Supports.at(1), (SupportInterval{0, 0, 10, 0}));
  EXPECT_EQ(valuesOf(b.Stiffeners.at(2).Extremities), (Values{0, 10}));
  EXPECT_EQ(b.Stiffeners.at(2).SpanReduction, 0.5F);
  EXPECT_EQ(intervalsOf(b.Stiffeners.at(2)), Values{1});
}

TEST(BulkheadGeometryStiffeners, SortIsTheExchangeSort) {
  // Stiffeners at the same position come out in the order the exchange sort
  // leaves them (here the later one first), as stored arrangements expect.
  Bulkhead b;
  for (const auto& [position, tag] : {std::pair{3, 1}, {1, 2}, {2, 3}, {1, 4}}) {
    b.Stiffeners.append(stiffener(position)).iMat = static_cast<Integer>(tag);
  }
  sortStiffeners(b);
  Values tags;
  for (const OrdinaryStiffener& s : b.Stiffeners) tags.push_back(s.iMat);
  EXPECT_EQ(tags, (Values{4, 2, 3, 1}));
}

TEST(BulkheadGeometryStrakes, BandsAndStrakesAreKeptInOrderAndNumberedOn) {
  Bulkhead b = rectangle();
  b.Stool2Enabled = true;
  b.Stool2Z = 7;
  b.StrakeBands.redim(3);
  StrakeBand& b1 = b.StrakeBands.at(1);
  StrakeBand& b2 = b.StrakeBands.at(2);
  StrakeBand& b3 = b.StrakeBands.at(3);
  b1.Z = 6;                   // above band 2: lowered to it
  b1.Strakes.append().Y = 4;  // no material
  Strake& wide = b1.Strakes.append();
  wide.iMat = 3;
  wide.Y = 12;  // the last strake always reaches across the plate
  b2.Z = 4;
  b2.Strakes.append().iMat = 2;
  b3.Z = 9;                   // the last band always reaches the top of the plane part
  b3.Strakes.append().Y = 5;  // beyond the next strake: cut back to it
  b3.Strakes.append().Y = 3;
  b3.Strakes.append().Y = 12;
  EXPECT_EQ(compute(b), (Messages{"Strake band 2 has no size in Bulkhead 'BH'",
                                  "Strake 5 has no size in Bulkhead 'BH'"}));
  EXPECT_EQ((Values{b1.Z, b2.Z, b3.Z}), (Values{4, 4, 7}));  // ZMax 8, below the upper stool
  // Number, material and width of every strake, band by band.
  std::vector<std::tuple<Integer, Integer, Single>> strakes;
  for (const StrakeBand& band : b.StrakeBands) {
    for (const Strake& t : band.Strakes) strakes.emplace_back(t.StrakeNumber, t.iMat, t.Y);
  }
  constexpr Integer kDefault = kTestDefaultMaterial;
  EXPECT_EQ(strakes, (decltype(strakes){{1, kDefault, 4},
                                        {2, 3, 10},
                                        {3, 2, 10},
                                        {4, kDefault, 3},
                                        {5, kDefault, 3},
                                        {6, kDefault, 10}}));
  EXPECT_EQ(pointSet(b1.Strakes.at(1).Outline), (Points{{0, 0}, {0, 4}, {4, 0}, {4, 4}}));
  EXPECT_EQ(pointSet(b3.Strakes.at(1).Outline), (Points{{0, 4}, {0, 7}, {3, 4}, {3, 7}}));
  EXPECT_EQ(pointSet(b3.Strakes.at(3).Outline), (Points{{3, 4}, {3, 7}, {10, 4}, {10, 7}}));
}

TEST(BulkheadGeometryStrakes, LimitsAreSettledFromTheTopSoThatRecomputingKeepsThem) {
  // The last band and strake reach the top whatever they hold, so an earlier
  // one is compared with that, not with the stale value.
  Bulkhead b = rectangle();
  b.StrakeBands.redim(2);
  b.StrakeBands.at(1).Z = 6;
  b.StrakeBands.at(1).Strakes.append().Y = 4;
  b.StrakeBands.at(1).Strakes.append().Y = 0;
  EXPECT_TRUE(compute(b).empty());
  EXPECT_EQ((Values{b.StrakeBands.at(1).Z, b.StrakeBands.at(2).Z}), (Values{6, 8}));
  EXPECT_EQ(b.StrakeBands.at(1).Strakes.at(1).Y, 4);
  // A band below the plane part pulls no earlier band outside it either.
  b.Stool1Enabled = true;
  b.Stool1Z = 1;
  b.StrakeBands.redim(3);
  b.StrakeBands.at(1).Z = 5;
  b.StrakeBands.at(2).Z = -3;
  compute(b);
  const Bulkhead once = b;
  compute(b);
  EXPECT_EQ((Values{b.StrakeBands.at(1).Z, b.StrakeBands.at(2).Z}), (Values{1, 1}));
  EXPECT_EQ(b, once);
}

TEST(BulkheadGeometryStrakes, StrakeBeyondTheNarrowTopIsOut) {
  // Above z 6 the triangle is only 2.5 wide.
  Bulkhead b = bulkheadThrough(
      {straightNode(0, 0), straightNode(10, 0), straightNode(0, 8), straightNode(0, 0)});
  b.StrakeBands.append().Z = 6;
  StrakeBand& top = b.StrakeBands.append();
  top.Z = 8;
  top.Strakes.append().Y = 5;
  top.Strakes.append().Y = 10;
  EXPECT_EQ(compute(b), Messages{"Strake 3 out of Bulkhead 'BH'"});
  EXPECT_EQ(pointSet(top.Strakes.at(1).Outline), (Points{{0, 6}, {0, 8}, {2.5, 6}}));
  EXPECT_EQ(top.Strakes.at(2).Outline.count(), 0);
}

TEST(BulkheadGeometryStrakes, WithoutBandsOnePlateOfMaterialOneIsMade) {
  Bulkhead b = rectangle();
  EXPECT_TRUE(compute(b).empty());
  ASSERT_EQ(b.StrakeBands.count(), 1);
  ASSERT_EQ(b.StrakeBands.at(1).Strakes.count(), 1);
  const Strake& strake = b.StrakeBands.at(1).Strakes.at(1);
  EXPECT_EQ(
      (Values{b.StrakeBands.at(1).Z, strake.Y, double(strake.iMat), double(strake.StrakeNumber)}),
      (Values{8, 10, 1, 1}));
  EXPECT_EQ(pointSet(strake.Outline), (Points{{0, 0}, {0, 8}, {10, 0}, {10, 8}}));
}

TEST(BulkheadGeometryCompartments, DefaultsNamedAfterTheBulkheadExistingOnesKept) {
  Bulkhead fresh = rectangle(true, "Hold 3 aft");
  EXPECT_TRUE(compute(fresh).empty());
  const char* names[] = {"Forward compartment (Hold 3 aft)", "Aftward compartment (Hold 3 aft)"};
  for (int i = 1; i <= 2; ++i) {
    const Compartment& c = fresh.Compartments.at(i);
    EXPECT_EQ(c.Name, names[i - 1]);
    EXPECT_EQ((Values{double(c.A), double(c.B), double(c.N)}), (Values{1, 1, 0}));
    EXPECT_TRUE(c.UseComputedYZ && c.UseRuleRoll);
  }

  Bulkhead entered = rectangle(true, "Hold 3 aft");
  Compartment& fuel = entered.Compartments.at(1);
  fuel.Name = "Fuel";
  fuel.Table1.at(6) = 1.5F;  // entered by hand: not recomputed
  Compartment& ballast = entered.Compartments.at(2);
  ballast.Name = "Ballast";
  ballast.UseComputedYZ = true;
  const Compartment fuelBefore = fuel;
  EXPECT_TRUE(compute(entered).empty());
  EXPECT_EQ(fuel, fuelBefore);
  EXPECT_EQ(ballast.Name, "Ballast");
  expectNear({ballast.Table1.at(6), ballast.Table1.at(7)}, {5, 4});
}

TEST(BulkheadGeometryCorrugation, KnuckleLinesAlternateBetweenTheTwoSteps) {
  struct Case {
    const char* what;
    Bulkhead bulkhead;
    Long stfHV;
    Corrugation corrugation;
    Values positions;
    Values extremities;  // of every line
    Messages messages;
  };
  Bulkhead withMember = withStools(rectangle(), 1, 7);
  withMember.PrimaryMembers.append(member(3, kVertical));
  const Messages bad{"Bad data for corrugation in BH"};
  const Bulkhead plain = rectangle();
  constexpr Long kH = kHorizontal;
  // From ZLow 1 + 0.5, steps 1.5 and 0.5, up to (not onto) the upper stool at 7; a
  // horizontal knuckle line crosses the vertical member.
  const Corrugation betweenStools{.Start = 0.5F, .S1 = 2, .A = 0.5F};
  Case cases[] = {
      {"between stools", withMember, kH, betweenStools, {1.5, 3, 3.5, 5, 5.5}, {0, 3, 10}, {}},
      {"vertical", plain, kVertical, {.Start = 1, .S1 = 3, .A = 1}, {1, 3, 4, 6, 7, 9}, {0, 8}, {}},
      {"pitch = flange", plain, kH, {.Start = 0.5F, .S1 = 0.8F, .A = 0.8F}, {0.5}, {0, 10}, bad},
      {"pitch < flange", plain, kH, {.Start = 0, .S1 = 0.5F, .A = 0.8F}, {0}, {0, 10}, bad},
      {"not corrugated", plain, kH, {.Start = 2}, {}, {}, {}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.bulkhead.stfHV = c.stfHV;
    c.bulkhead.Corr = c.corrugation;
    EXPECT_EQ(compute(c.bulkhead), c.messages);
    Values positions;
    for (const CorrugationLine& line : c.bulkhead.CorrugationLines) {
      positions.push_back(line.Position);
      EXPECT_EQ(valuesOf(line.Extremities), c.extremities);
    }
    EXPECT_EQ(positions, c.positions);
  }
}

TEST(BulkheadGeometryCompute, SecondCallWithoutChangeDoesNothing) {
  Arrangement arrangement;
  arrangement.SymFlag = 1;
  arrangement.Bulkheads.append(sized(10, 8, "Closed"));
  arrangement.Bulkheads.append(
      bulkheadThrough({straightNode(0, 0), straightNode(6, 0), straightNode(0, 9)}, "Open"));
  arrangement.Bulkheads.at(1).PrimaryMembers.append(member(12, kHorizontal));
  GeometryState state;
  MessageList messages;
  computeGeometry(arrangement, state, messages, kTestDefaultMaterial);
  EXPECT_EQ(
      messagesOf(messages.messages()),
      (Messages{"Primary supporting member 1 in 'Closed' at z 12 m lies outside the bulkhead (0 "
                "to 8 m); it is drawn at 8 m",
                "Strake 1 in 'Closed': thickness 0 mm is not plausible", "Bulkhead 2 is not closed",
                "Strake 1 in 'Open': thickness 0 mm is not plausible"}));
  EXPECT_TRUE(state.valid);
  const Arrangement first = arrangement;
  computeGeometry(arrangement, state, messages, kTestDefaultMaterial);
  EXPECT_EQ(messages.size(), 4U);
  EXPECT_EQ(arrangement, first);
}

TEST(BulkheadGeometryCompute, CurrentBulkheadIsTheLargest) {
  auto currentAfter = [](Integer preset, std::initializer_list<std::pair<double, double>> sizes) {
    Arrangement arrangement;
    for (const auto& [width, height] : sizes) arrangement.Bulkheads.append(sized(width, height));
    arrangement.CurBulkhead = preset;
    return computed(arrangement).CurBulkhead;
  };
  // Diagonals 5, 10 and 10: the first of the two largest.
  EXPECT_EQ(currentAfter(0, {{3, 4}, {6, 8}, {8, 6}}), 2);
  EXPECT_EQ(currentAfter(0, {{3, 4}}), 1);
  EXPECT_EQ(currentAfter(3, {{3, 4}, {6, 8}, {8, 6}}), 3);  // a choice already made stays
  EXPECT_EQ(currentAfter(0, {}), 0);
}

TEST(BulkheadGeometryCompute, DegenerateDataNeitherCrashesNorHangs) {
  const Single nan = std::numeric_limits<Single>::quiet_NaN();
  Bulkhead empty;
  const Messages emptyMessages = compute(empty);
  ASSERT_GE(emptyMessages.size(), 2U);
  EXPECT_EQ(emptyMessages[0], "Can not compute geometry for bulkhead 1");
  EXPECT_EQ(emptyMessages[1], "Bulkhead 1 is not closed");
  EXPECT_FALSE(empty.Closed || empty.EndsJoined);

  // A node entered twice adds a segment of no length, and changes nothing.
  Bulkhead doubled = bulkheadThrough({straightNode(0, 0), straightNode(10, 0), straightNode(10, 0),
                                      straightNode(10, 8), straightNode(0, 8), straightNode(0, 0)});
  EXPECT_TRUE(compute(doubled).empty());
  const ContourCuts cuts = Contour(doubled).cut(0, CutDirection::Horizontal);
  EXPECT_EQ((Values{cuts.first, cuts.second}), (Values{0, 10}));

  Bulkhead notANumber = rectangle();
  notANumber.Nodes.at(3).Z = nan;
  const Messages nanMessages = compute(notANumber);
  ASSERT_FALSE(nanMessages.empty());
  EXPECT_EQ(nanMessages[0], "Can not compute geometry for bulkhead 1");

  Bulkhead nanPositions = rectangle();
  nanPositions.stfHV = kVertical;
  nanPositions.PrimaryMembers.append(member(nan, kHorizontal));
  nanPositions.PrimaryMembers.append(member(nan, kVertical));
  nanPositions.Stiffeners.append(stiffener(nan));
  nanPositions.StrakeBands.append().Z = nan;
  nanPositions.StrakeBands.append().Strakes.append().Y = nan;
  nanPositions.Corr = {.Start = nan, .S1 = nan, .A = 0.5F};
  compute(nanPositions);
  for (const PrimaryMember& m : nanPositions.PrimaryMembers) EXPECT_TRUE(std::isfinite(m.Placed));
  EXPECT_TRUE(std::isfinite(nanPositions.StrakeBands.at(1).Z));

  // Knuckles a millimetre apart over a thousand kilometres: the layout must stop somewhere.
  Bulkhead wide = sized(1.0e6, 8);
  wide.stfHV = kVertical;
  wide.Corr = {.Start = 0, .S1 = 0.0021F, .A = 0.001F};
  compute(wide);
  EXPECT_GT(wide.CorrugationLines.count(), 1);
  EXPECT_LE(wide.CorrugationLines.count(), kMaxCorrugationLines);
}

}  // namespace
}  // namespace korain::testing
