// The attached plating of each span and the weight of a bulkhead, on plates
// simple enough to work out by hand, and the invariants of the weight.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "../geometry/geometry_test_support.h"
#include "messages/bulkhead_report.h"
#include "model/codes.h"
#include "properties/bulkhead_weight.h"
#include "properties/section_faults.h"
#include "properties/span_properties.h"

namespace korain {
namespace {

using namespace testing;

constexpr Scantling kFlatBar200x12{.Typ = profile_type::kFlatBar, .H1 = 200, .E1 = 12};

Strake strake(double y, double thickness) {
  Strake s;
  s.Y = static_cast<Single>(y);
  s.Th = static_cast<Single>(thickness);
  s.iMat = 1;
  return s;
}

// Vertical stiffeners on the 10 m by 8 m plate, one band of the given strakes.
Bulkhead stiffenedPlate(std::initializer_list<double> positions,
                        std::initializer_list<Strake> strakes) {
  Bulkhead bulkhead = rectangle();
  bulkhead.stfHV = kVertical;
  for (double position : positions) {
    OrdinaryStiffener s = stiffener(position);
    s.Scant = kFlatBar200x12;
    bulkhead.Stiffeners.append(s);
  }
  StrakeBand band;
  for (const Strake& s : strakes) band.Strakes.append(s);
  bulkhead.StrakeBands.append(band);
  compute(bulkhead);
  return bulkhead;
}

TEST(SpanProperties, PlateIsTheStrakeUnderTheSpanAndHalfTheSpacingEachSide) {
  // Outer stiffeners: the plate's edge is farther than the inner half spacing,
  // which caps it.
  const Bulkhead bulkhead = stiffenedPlate({1, 2, 3.5}, {strake(1.5, 12), strake(10, 15)});
  const std::vector<SpanProperties> spans = spanProperties(bulkhead, 0);
  ASSERT_EQ(spans.size(), 3U);
  const struct { double thickness, breadth; } expected[] = {{12, 1000}, {15, 1250}, {15, 1500}};
  for (std::size_t i = 0; i < spans.size(); ++i) {
    ASSERT_TRUE(spans[i].plate) << spans[i].missing;
    EXPECT_NEAR(spans[i].plate->thickness, expected[i].thickness, 1e-9) << i;
    EXPECT_NEAR(spans[i].plate->breadth, expected[i].breadth, 1e-3) << i;
    EXPECT_NEAR(spans[i].length, 8, 1e-6);
    ASSERT_TRUE(spans[i].gross);
    EXPECT_FALSE(spans[i].net);
  }
}

std::vector<std::string> sectionFaults(const Bulkhead& bulkhead) {
  BulkheadReport report(1);
  reportSectionFaults(bulkhead, report);
  return messagesOf(report.messages());
}

TEST(SpanProperties, ASpanWithoutPlateIsLeftOutAndNamedOnce) {
  // A lone stiffener on the plate's edge has no plating beyond it, and the
  // other half may not be more; one outside the plate is named by the
  // placement check already.
  const Bulkhead onEdge = stiffenedPlate({10}, {strake(10, 12)});
  const Bulkhead outside = stiffenedPlate({12}, {strake(10, 12)});
  for (const Bulkhead* bulkhead : {&onEdge, &outside}) {
    const SpanProperties span = spanProperties(*bulkhead, 2).front();
    EXPECT_FALSE(span.gross || span.net);
    EXPECT_TRUE(span.faulty());
  }
  EXPECT_EQ(sectionFaults(onEdge),
            std::vector<std::string>{"Span 1 of ordinary 1 in 'BH' has no section modulus: its "
                                     "attached plate has no breadth"});
  EXPECT_TRUE(sectionFaults(outside).empty());
}

TEST(SpanProperties, NetValuesOnlyWithADeductionThatLeavesThickness) {
  const Bulkhead bulkhead = stiffenedPlate({2, 3}, {strake(10, 12)});
  const SpanProperties net = spanProperties(bulkhead, 2).front();
  ASSERT_TRUE(net.gross && net.net);
  EXPECT_LT(net.net->modulusFlange, net.gross->modulusFlange);
  const SpanProperties eaten = spanProperties(bulkhead, 12).front();
  EXPECT_TRUE(eaten.gross);
  EXPECT_FALSE(eaten.net);
  EXPECT_FALSE(eaten.netMissing.empty());
}

void expectSameWeight(const WeightPart& a, const WeightPart& b) {
  EXPECT_NEAR(a.weight, b.weight, 1e-9 + 1e-9 * b.weight);
  EXPECT_NEAR(a.y, b.y, 1e-9);
  EXPECT_NEAR(a.z, b.z, 1e-9);
}

TEST(BulkheadWeight, PlateStiffenersAndBracketsAsWorkedOutByHand) {
  Bulkhead bulkhead = stiffenedPlate({2}, {strake(10, 10)});
  Bracket& lower = bulkhead.Stiffeners.at(1).Brackets.at(1);
  lower = {.Enabled = true, .Length = 0.5, .Scant = {.Typ = profile_type::kFlatBar, .E1 = 10}};
  compute(bulkhead);
  const BulkheadWeight weight =
      bulkheadWeight(bulkhead, 1, kSteelDensity, spanProperties(bulkhead, 0));
  expectSameWeight(weight.plating, {80 * 0.010 * 7.85, 5, 4});
  expectSameWeight(weight.stiffeners, {24e-4 * 8 * 7.85, 2, 4});
  expectSameWeight(weight.brackets, {0.125 * 0.010 * 7.85, 2, 0.5 / 3});
  const double total = weight.plating.weight + weight.stiffeners.weight + weight.brackets.weight;
  EXPECT_NEAR(weight.total.weight, total, 1e-12);
  EXPECT_FALSE(weight.half);
  EXPECT_FALSE(weight.notes.empty());  // the primary members are left out
}

TEST(BulkheadWeight, SplittingAStrakeKeepsWeightAndMoment) {
  const Bulkhead whole = stiffenedPlate({}, {strake(10, 10)});
  const Bulkhead split = stiffenedPlate({}, {strake(3.7, 10), strake(10, 10)});
  expectSameWeight(bulkheadWeight(split, 0, 7.85, {}).total,
                   bulkheadWeight(whole, 0, 7.85, {}).total);
}

TEST(BulkheadWeight, AHalfSectionGivesTheWholeBulkheadOnTheCentreLine) {
  Bulkhead half = bulkheadThrough(
      {straightNode(0, 0), straightNode(5, 0), straightNode(5, 8), straightNode(0, 8)});
  Bulkhead whole = bulkheadThrough({straightNode(-5, 0), straightNode(5, 0), straightNode(5, 8),
                                    straightNode(-5, 8), straightNode(-5, 0)});
  for (Bulkhead* b : {&half, &whole}) {
    StrakeBand band;
    band.Strakes.append(strake(10, 12));
    b->StrakeBands.append(band);
  }
  // Symmetry flag 0: one side of a symmetric section described; 1: both sides.
  compute(half, 0);
  compute(whole, 1);
  const BulkheadWeight halfWeight = bulkheadWeight(half, 0, 7.85, {});
  const BulkheadWeight wholeWeight = bulkheadWeight(whole, 1, 7.85, {});
  EXPECT_FALSE(wholeWeight.half);
  ASSERT_TRUE(halfWeight.half);
  expectSameWeight(halfWeight.whole, wholeWeight.total);
  EXPECT_NEAR(halfWeight.total.weight * 2, wholeWeight.total.weight, 1e-9);
}

TEST(BulkheadWeight, AnArcBoundedStrakeHasTheExactSegmentArea) {
  constexpr double kRadius = 6;
  Bulkhead bulkhead = bulkheadThrough({straightNode(0, 0), straightNode(10, 0), straightNode(10, 8),
                                       arcNode(0, 8, kRadius), straightNode(0, 0)});
  StrakeBand band;
  band.Strakes.append(strake(10, 10));
  bulkhead.StrakeBands.append(band);
  compute(bulkhead);
  const Node& arc = bulkhead.Nodes.at(4);
  ASSERT_TRUE(arc.ArcValid);
  const double angle = 2 * std::asin(5 / kRadius);
  const double segment = kRadius * kRadius / 2 * (angle - std::sin(angle));
  const double area = arc.ArcCentreZ < 8 ? 80 + segment : 80 - segment;
  const double expected = area * 0.010 * 7.85;
  EXPECT_NEAR(bulkheadWeight(bulkhead, 0, 7.85, {}).plating.weight, expected, expected * 1e-5);
}

TEST(BulkheadWeight, CorrugationAddsItsWebsDevelopedBreadth) {
  Bulkhead bulkhead = stiffenedPlate({}, {strake(10, 10)});
  bulkhead.Typ = kBulkheadCorrugated;
  bulkhead.Corr = {.Start = 0, .S1 = 1.0F, .A = 0.4F, .D = 0.3F};
  compute(bulkhead);
  // Knuckle lines every 0.6 and 0.4 m from y 0 to 9.6: ten webs of 0.6 m across 8 m.
  const double webExtra = 10 * 8 * (std::hypot(0.6, 0.3) - 0.6);
  EXPECT_NEAR(bulkheadWeight(bulkhead, 0, 7.85, {}).corrugation.weight, webExtra * 0.010 * 7.85,
              1e-5);
}

}  // namespace
}  // namespace korain
