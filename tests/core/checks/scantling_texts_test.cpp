// Code texts, scantling labels and bracket scantling texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/scantling_texts.h"

#include <gtest/gtest.h>

#include "checks/code_texts.h"

namespace korain::testing {
namespace {

Scantling profile(Long type, Single h1, Single e1, Single h2 = 0, Single e2 = 0) {
  return {.Typ = type, .H1 = h1, .E1 = e1, .H2 = h2, .E2 = e2};
}

TEST(CodeTexts, EveryCodeOutsideItsTableReadsUnknown) {
  EXPECT_EQ(profileTypeText(20), "User defined profile");
  for (const Long gap : {7, 100}) EXPECT_EQ(profileTypeText(gap), "Unknown") << gap;
  for (const Long outside : {3, -1}) EXPECT_EQ(threeStateText(outside), "Unknown") << outside;
  EXPECT_EQ(connectionText(2), "");
}

TEST(ScantlingLabel, FollowsTypeAndOptions) {
  const ScantlingLabelOptions plain;
  const ScantlingLabelOptions dash{.DashSeparator = true};
  const ScantlingLabelOptions noLetter{.NoTypeLetter = true};
  const struct {
    Scantling scantling;
    ScantlingLabelOptions options;
    const char* label;
  } cases[] = {
      {profile(1, 200, 12.5F), plain, "F 200.0×12.5"},
      {profile(1, 200, 12.5F), kScantlingCheckLabel, "F-200×13"},
      {profile(2, 220, 10, 5, 5), plain, "B 220.0×10.0"},  // a bulb has one pair only
      {profile(3, 100, 10, 75, 8), dash, "A-100.0×10.0-75.0×8.0"},
      {profile(4, 300, 12, 100, 15), plain, "T 300.0×12.0 100.0×15.0"},
      {profile(4, 300, 12, 100, 15), kScantlingCheckLabel, "T-300×12-100×15"},
      {profile(4, 300, 12, 100, 15), noLetter, "300.0×12.0 100.0×15.0"},
      {profile(6, 114.3F, 6), dash, "P114.3×6.0"},
      {profile(6, 114.3F, 6), noLetter, "114.3×6.0"},
      {profile(20, 150, 10, 80, 8), plain, "150.0×10.0"},
      {profile(0, 200, 12), plain, " No profile"},
      {profile(5, 200, 12, 80, 8), kScantlingCheckLabel, " Custom profile"},
  };
  for (const auto& [scantling, options, label] : cases) {
    EXPECT_EQ(scantlingLabel(scantling, ShipData{}, options), label) << label;
  }
}

TEST(ScantlingLabel, PlateReferenceNamesMaterialAndThickness) {
  ShipData ship;
  ship.MaterialKind.at(2) = 3;
  ship.MaterialTable.at(1).at(2) = 315;
  EXPECT_EQ(scantlingLabel(profile(100, 2, 12), ship), "HTS 315 12");
  EXPECT_EQ(scantlingLabel(profile(100, 2, -1), ship), "HTS 315 (pan)");
  EXPECT_EQ(scantlingLabel(profile(100, 0, -1), ship), "(def) (pan)");
  // A thickness of 0 leaves only the pattern's blank.
  EXPECT_EQ(scantlingLabel(profile(100, 0, 0), ship), "(def) ");
  EXPECT_EQ(scantlingLabel(profile(100, 0, 14.6F), ship, kScantlingCheckLabel), "(def) 15");
}

TEST(BracketScantlingText, PrefixAndDimensionsByType) {
  const std::pair<Scantling, const char*> cases[] = {
      {profile(1, 200, 12), "F- 200.0 x 12.0"},
      {profile(1, 0, 0), "F- 0.0 x 0.0"},
      {profile(2, 0.1234F, 10.5F), "B- 0.1234 x 10.5 - 0.0 x 0.0"},
      {profile(4, 200, 10, 80, 12), "T- 200.0 x 10.0 - 80.0 x 12.0"},
      {profile(20, 150, 10), "150.0 x 10.0 - 0.0 x 0.0"},
      {profile(5, 0, 0), "0.0 x 0.0 - 0.0 x 0.0"},
      {profile(6, 114.3F, 6), "P- "},
  };
  for (const auto& [scantling, text] : cases) EXPECT_EQ(bracketScantlingText(scantling), text);
}

}  // namespace
}  // namespace korain::testing
