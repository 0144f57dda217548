// The section modulus check: the round step of its ranges, and the spans of a
// hand-worked plate coloured by them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "../geometry/geometry_test_support.h"
#include "checks/check_modes.h"
#include "checks/legend.h"
#include "checks/modulus_ranges.h"
#include "model/codes.h"

namespace korain::testing {
namespace {

// A value on a bound starts the range above.
TEST(ModulusRanges, TheFinestRoundStepOfAtMostEightRangesAndTheirTexts) {
  const struct {
    double smallest, largest, step;
  } rows[] = {
      {159.4, 767.6, 100},  // the flat bar and the tee worked by hand below
      {767.6, 767.6, 1},    // one value: the finest step there is
      {5, 12.5, 1},         // eight ranges of 1 exactly
      {5, 13, 2},           // nine of 1 would be too many
      {980, 1020, 10},      // five of 10; nine of 5
      {12000, 250000, 50000},
  };
  for (const auto& row : rows) EXPECT_EQ(modulusStep(row.smallest, row.largest), row.step);
  EXPECT_EQ(modulusRangeText(rangeStart(200, 100), 100), "200 – 300 cm³");
  EXPECT_EQ(modulusRangeText(rangeStart(999.99, 10), 10), "990 – 1000 cm³");
}

// On the 10 m by 8 m plate, vertical flat bars 200×12 0.7 m apart on 12 mm
// plating (Z 159.4 cm³ at the flange on 700×12) and tees 300×12, 100×15 0.8 m
// apart on 14 mm plating (Z 767.6 cm³ on 800×14), each group's outer stiffeners
// taking the inner half spacing on both sides; between them one without a
// profile. Every stiffener has a lower bracket.
Arrangement handWorkedPlate() {
  constexpr Scantling kFlatBar{.Typ = profile_type::kFlatBar, .H1 = 200, .E1 = 12};
  constexpr Scantling kTee{.Typ = profile_type::kTee, .H1 = 300, .E1 = 12, .H2 = 100, .E2 = 15};
  Arrangement arrangement;
  Bulkhead& bulkhead = arrangement.Bulkheads.append(rectangle());
  bulkhead.stfHV = kVertical;
  for (const double y : {1.0, 1.7, 2.4, 5.0, 6.0, 6.8, 7.6}) {
    OrdinaryStiffener& s = bulkhead.Stiffeners.append(stiffener(y));
    s.Scant = y < 3 ? kFlatBar : y > 5 ? kTee : Scantling{};
    s.Brackets.at(1) = {.Enabled = true, .Length = 0.5F, .Scant = kFlatBar, .ColourIndex = 3};
  }
  StrakeBand& band = bulkhead.StrakeBands.append();
  for (const Single end : {3.0F, 10.0F}) {
    Strake& strake = band.Strakes.append();
    strake.Y = end;
    strake.Th = end < 5 ? 12 : 14;
    strake.iMat = 1;
  }
  return computed(arrangement);
}

TEST(SectionModulusCheck, HandWorkedSpansFallInTheirRangesAndThoseWithoutOneComeFirstUncoloured) {
  Arrangement arrangement = handWorkedPlate();
  List<Long> palette;
  for (const Long colour : {11, 22, 33}) palette.append(colour);
  const auto legend = [&] {
    return buildLegend(arrangement, check_mode::kSectionModulus, palette, ShipData{}, {});
  };
  EXPECT_EQ(legend(),
            (Legend{{0, "no section modulus"}, {11, "100 – 200 cm³"}, {22, "700 – 800 cm³"}}));
  std::vector<Long> spans;
  for (const OrdinaryStiffener& s : arrangement.Bulkheads.at(1).Stiffeners) {
    spans.push_back(s.Spans.at(1).ColourIndex);
    EXPECT_EQ(s.Brackets.at(1).ColourIndex, 0);  // brackets are no spans
  }
  EXPECT_EQ(spans, (std::vector<Long>{1, 1, 1, 0, 2, 2, 2}));

  arrangement.Bulkheads.at(1).Stiffeners.remove(4);
  EXPECT_EQ(legend().front().Text, "100 – 200 cm³");
}

}  // namespace
}  // namespace korain::testing
