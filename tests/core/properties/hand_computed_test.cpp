// Section properties against a table worked out by hand with the parallel-axis
// rule, and the invariants of a bulkhead's weight.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "../geometry/geometry_test_support.h"
#include "model/codes.h"
#include "properties/bulkhead_weight.h"
#include "properties/profile_section.h"

namespace korain {
namespace {

using namespace testing;
using namespace profile_type;

TEST(ProfileSection, AgreesWithHandComputedSections) {
  // Profile, plate (thickness, breadth mm); A cm², NA mm, I cm⁴, Z flange and Z plate cm³.
  const struct {
    Scantling profile;
    AttachedPlate plate;
    std::array<double, 5> expected;
  } cases[] = {
      {{.Typ = kFlatBar, .H1 = 200, .E1 = 12},
       {12, 700},
       {108.0, 29.556, 2907.47, 159.362, 983.729}},
      {{.Typ = kTee, .H1 = 300, .E1 = 12, .H2 = 100, .E2 = 15},
       {14, 800},
       {163.0, 70.6166, 19834.56, 767.641, 2808.77}},
      {{.Typ = kAngle, .H1 = 150, .E1 = 10, .H2 = 90, .E2 = 12},
       {10, 600},
       {85.8, 39.2517, 3040.42, 229.037, 774.596}},
      // Equivalent angles: web 180.261 x 10 with flange 37.851 x 19.739; below 120 mm the
      // flange widens by 1.2333 to 25.808 x 8.870 on a web of 91.130 x 8.
      {{.Typ = kBulb, .H1 = 200, .E1 = 10},
       {10, 600},
       {85.4975, 42.1090, 3794.30, 225.998, 901.066}},
      {{.Typ = kBulb, .H1 = 100, .E1 = 8}, {9, 500}, {54.5795, 15.3842, 400.925, 42.8266, 260.609}},
  };
  for (const auto& c : cases) {
    const ShapeOrReason shape = profileShape(c.profile);
    ASSERT_TRUE(shape.shape) << shape.reason;
    const SectionProperties p = sectionProperties(*shape.shape, c.plate);
    const std::array<double, 5> actual{p.area, p.neutralAxis, p.inertia, p.modulusFlange,
                                       p.modulusPlate};
    for (std::size_t i = 0; i < actual.size(); ++i) {
      EXPECT_NEAR(actual[i], c.expected[i], c.expected[i] * 1e-4) << c.profile.Typ << " " << i;
    }
  }
}

// One band of strakes of 10 mm, ending at the given abscissae, in the contour.
Bulkhead plated(Bulkhead bulkhead, std::initializer_list<double> strakeEnds, Long symFlag) {
  StrakeBand& band = bulkhead.StrakeBands.append();
  for (double y : strakeEnds) {
    Strake& strake = band.Strakes.append();
    strake.Y = static_cast<Single>(y);
    strake.Th = 10;
  }
  compute(bulkhead, symFlag);
  return bulkhead;
}

void expectSameWeight(const WeightPart& a, const WeightPart& b) {
  EXPECT_NEAR(a.weight, b.weight, 1e-9 * b.weight);
  EXPECT_NEAR(a.y, b.y, 1e-9);
  EXPECT_NEAR(a.z, b.z, 1e-9);
}

TEST(BulkheadWeight, SplittingAStrakeKeepsWeightAndMoment) {
  expectSameWeight(bulkheadWeight(plated(rectangle(), {3.7, 10}, 1), 1, 7.85, {}).total,
                   bulkheadWeight(plated(rectangle(), {10}, 1), 1, 7.85, {}).total);
}

TEST(BulkheadWeight, AHalfSectionGivesTheWholeBulkheadOnTheCentreLine) {
  // Symmetry flag 0: one side of a symmetric section described; 1: both sides.
  const Bulkhead half = plated(bulkheadThrough({straightNode(0, 0), straightNode(5, 0),
                                                straightNode(5, 8), straightNode(0, 8)}),
                               {5}, 0);
  const Bulkhead whole =
      plated(bulkheadThrough({straightNode(-5, 0), straightNode(5, 0), straightNode(5, 8),
                              straightNode(-5, 8), straightNode(-5, 0)}),
             {5}, 1);
  const BulkheadWeight halfWeight = bulkheadWeight(half, 0, 7.85, {});
  ASSERT_TRUE(halfWeight.half);
  EXPECT_FALSE(bulkheadWeight(whole, 1, 7.85, {}).half);
  expectSameWeight(halfWeight.whole, bulkheadWeight(whole, 1, 7.85, {}).total);
}

TEST(BulkheadWeight, AnArcBoundedStrakeHasTheExactSegmentArea) {
  constexpr double kRadius = 6;
  const Bulkhead bulkhead =
      plated(bulkheadThrough({straightNode(0, 0), straightNode(10, 0), straightNode(10, 8),
                              arcNode(0, 8, kRadius), straightNode(0, 0)}),
             {10}, 1);
  const Node& arc = bulkhead.Nodes.at(4);
  ASSERT_TRUE(arc.ArcValid);
  const double angle = 2 * std::asin(5 / kRadius);
  const double segment = kRadius * kRadius / 2 * (angle - std::sin(angle));
  const double area = arc.ArcCentreZ < 8 ? 80 + segment : 80 - segment;
  const double expected = area * 0.010 * 7.85;
  EXPECT_NEAR(bulkheadWeight(bulkhead, 1, 7.85, {}).plating.weight, expected, expected * 1e-5);
}

}  // namespace
}  // namespace korain
