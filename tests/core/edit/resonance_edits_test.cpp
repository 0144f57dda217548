// The resonance dialog's starting effective dimensions and its default
// filling levels.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/resonance_edits.h"

#include <gtest/gtest.h>

#include <string>

#include "edit/compartment_edits.h"
#include "io/zel_reader.h"
#include "io/zel_writer.h"
#include "sample_arrangement.h"

namespace korain {
namespace {

TEST(EffectiveDimensions, OnlyThoseNotGivenTakeTheLengthOrBreadth) {
  struct Case {
    Single effectiveLength;
    Single effectiveBreadth;
    Single expectedLength;
    Single expectedBreadth;
  };
  const Case cases[] = {
      {0, 0, 12, 8}, {0.0005F, -0.0005F, 12, 8}, {10, 0, 10, 8}, {-3, 0.002F, -3, 0.002F}};
  for (const Case& c : cases) {
    Compartment compartment;
    compartment.Table1.at(kLengthEntry) = 12;
    compartment.Table1.at(kBreadthEntry) = 8;
    compartment.Table1.at(kEffectiveLengthEntry) = c.effectiveLength;
    compartment.Table1.at(kEffectiveBreadthEntry) = c.effectiveBreadth;
    fillEffectiveDimensions(compartment);
    EXPECT_EQ(compartment.Table1.at(kEffectiveLengthEntry), c.expectedLength);
    EXPECT_EQ(compartment.Table1.at(kEffectiveBreadthEntry), c.expectedBreadth);
  }
}

TEST(DefaultLevels, TenLevelsUpToNinetyFivePercentAfterTheExistingOnes) {
  Compartment compartment;
  compartment.Table1.at(kHeightEntry) = 10;
  compartment.Points.append({4, 27.5F, 28});
  compartment.Points.append({8, 27.5F, 32});
  appendDefaultLevels(compartment, 12, 8);

  ASSERT_EQ(compartment.Points.count(), 12);
  EXPECT_EQ(compartment.Points.at(2), (FillingPoint{8, 27.5F, 32}));
  const Single expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 9.5F};
  for (int k = 3; k <= 12; ++k) {
    EXPECT_EQ(compartment.Points.at(k), (FillingPoint{expected[k - 3], 12, 8})) << k;
  }
}

// Levels the file cannot hold would be lost on reading: Add and Default stop
// at what a saved compartment keeps, and all of them come back.
TEST(DefaultLevels, StopAtWhatTheFileKeeps) {
  Arrangement arrangement = testing::sampleArrangement({.bulkheads = 1});
  Compartment& compartment = arrangement.Bulkheads.first().Compartments.at(kForwardCompartment);
  compartment.Table1.at(kHeightEntry) = 10;
  for (int k = 0; k < 20; ++k) appendDefaultLevels(compartment, 12, 8);
  EXPECT_FALSE(appendLevel(compartment));
  compartment.Points.remove(1);
  EXPECT_TRUE(appendLevel(compartment));

  std::string text;
  writeZelBlock(text, arrangement, 1, {});
  Arrangement read;
  const ZelReadResult result = readZelBlockFromBytes(text, "levels.ko2", 1, read);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(read.Bulkheads.first().Compartments.at(kForwardCompartment).Points, compartment.Points);
}

}  // namespace
}  // namespace korain
