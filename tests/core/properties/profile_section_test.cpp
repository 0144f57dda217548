// Section properties against values worked out by hand with the parallel-axis rule.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/profile_section.h"

#include <gtest/gtest.h>

#include "model/codes.h"

namespace korain {
namespace {

using namespace profile_type;

struct HandComputed {
  const char* name;
  Scantling profile;
  AttachedPlate plate;
  SectionProperties expected;
};

// Relative agreement to 0.01%, as the hand values are given to 5 digits.
void expectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, expected * 1e-4) << what;
}

TEST(ProfileSection, AgreesWithHandComputedSections) {
  const HandComputed cases[] = {
      {"flat bar 200x12 on 700x12",
       {.Typ = kFlatBar, .H1 = 200, .E1 = 12},
       {12, 700},
       {108.0, 29.556, 2907.47, 159.362, 983.729, 24.0}},
      {"T web 300x12 flange 100x15 on 800x14",
       {.Typ = kTee, .H1 = 300, .E1 = 12, .H2 = 100, .E2 = 15},
       {14, 800},
       {163.0, 70.6166, 19834.56, 767.641, 2808.77, 51.0}},
      {"angle 150x10 90x12 on 600x10",
       {.Typ = kAngle, .H1 = 150, .E1 = 10, .H2 = 90, .E2 = 12},
       {10, 600},
       {85.8, 39.2517, 3040.42, 229.037, 774.596, 25.8}},
      // Equivalent angle: web 180.261 x 10, flange 37.851 x 19.739.
      {"bulb 200x10 on 600x10",
       {.Typ = kBulb, .H1 = 200, .E1 = 10},
       {10, 600},
       {85.4975, 42.1090, 3794.30, 225.998, 901.066, 25.4975}},
      // Below 120 mm the flange widens: alpha 1.2333, flange 25.808 x 8.870.
      {"bulb 100x8 on 500x9",
       {.Typ = kBulb, .H1 = 100, .E1 = 8},
       {9, 500},
       {54.5795, 15.3842, 400.925, 42.8266, 260.609, 9.5795}},
  };
  for (const HandComputed& c : cases) {
    SCOPED_TRACE(c.name);
    const ShapeOrReason shape = profileShape(c.profile);
    ASSERT_TRUE(shape.shape) << shape.reason;
    const SectionProperties p = sectionProperties(*shape.shape, c.plate);
    expectClose(p.area, c.expected.area, "area");
    expectClose(p.neutralAxis, c.expected.neutralAxis, "neutral axis");
    expectClose(p.inertia, c.expected.inertia, "inertia");
    expectClose(p.modulusFlange, c.expected.modulusFlange, "Z at the flange");
    expectClose(p.modulusPlate, c.expected.modulusPlate, "Z at the plate");
    expectClose(p.profileArea, c.expected.profileArea, "profile area");
  }
}

TEST(ProfileSection, ProfilesWithoutASectionSayWhy) {
  const struct {
    Scantling profile;
    MissingCause cause;
  } cases[] = {
      {{.Typ = kNone}, MissingCause::NoDimensions},
      {{.Typ = kCustom, .H1 = 200, .E1 = 10}, MissingCause::NoDimensions},
      {{.Typ = kPlateReference, .H1 = 1, .E1 = 12}, MissingCause::NoDimensions},
      {{.Typ = kFlatBar, .H1 = 200, .E1 = 0}, MissingCause::NotPositive},
      {{.Typ = kTee, .H1 = 300, .E1 = 12, .H2 = -100, .E2 = 15}, MissingCause::NotPositive},
      // Its flange thickness H1/9.2 - 2 is below 0.
      {{.Typ = kBulb, .H1 = 15, .E1 = 6}, MissingCause::BulbTooLow},
  };
  for (const auto& c : cases) {
    const ShapeOrReason shape = profileShape(c.profile);
    EXPECT_FALSE(shape.shape) << c.profile.Typ;
    EXPECT_FALSE(shape.reason.empty());
    EXPECT_EQ(shape.cause, c.cause) << shape.reason;
  }
}

TEST(ProfileSection, DeductionTakesTheSameMillimetresOffEveryThickness) {
  const ProfileShape tee{
      .webHeight = 300, .webThickness = 12, .flangeWidth = 100, .flangeThickness = 15};
  const std::optional<NetSection> net = deducted(tee, {14, 800}, 2);
  ASSERT_TRUE(net);
  const SectionProperties p = sectionProperties(net->shape, net->plate);
  expectClose(p.area, 139.0, "area");
  expectClose(p.modulusFlange, 654.452, "Z at the flange");
  expectClose(p.modulusPlate, 2432.78, "Z at the plate");
  EXPECT_FALSE(deducted(tee, {14, 800}, 12));
  const ProfileShape flatBar{.webHeight = 200, .webThickness = 12};
  EXPECT_TRUE(deducted(flatBar, {14, 800}, 11));
}

}  // namespace
}  // namespace korain
