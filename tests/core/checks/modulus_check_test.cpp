// The section modulus check: the round step of its ranges, their texts, and
// the spans of a hand-worked plate and of the example coloured by them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "../geometry/geometry_test_support.h"
#include "checks/check_modes.h"
#include "checks/legend.h"
#include "checks/modulus_ranges.h"
#include "checks/palette.h"
#include "io/zel_reader.h"
#include "model/codes.h"
#include "properties/span_properties.h"

namespace korain::testing {
namespace {

double rangeCount(double smallest, double largest, double step) {
  return std::floor(largest / step) - std::floor(smallest / step) + 1;
}

// The round step just below: 5 before 10, 2 before 5, 1 before 2.
double smallerStep(double step) {
  const double decade = std::pow(10, std::floor(std::log10(step) + 1e-9));
  const double factor = std::round(step / decade);
  return factor == 1 ? decade / 2 : factor == 2 ? decade : 2 * decade;
}

TEST(ModulusStep, IsTheFinestRoundStepGivingAtMostEightRanges) {
  const struct {
    double smallest, largest, step;
  } rows[] = {
      {159.4, 767.6, 100},  // the flat bar and the tee worked by hand
      {767.6, 767.6, 1},    // one value: the finest step there is
      {5, 12.5, 1},         // eight ranges of 1 exactly
      {5, 13, 2},           // nine of 1 would be too many
      {0.4, 2808.8, 500},  {980, 1020, 10}, {750, 1050, 50}, {12000, 250000, 50000},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.smallest) + " to " + std::to_string(row.largest));
    const double step = modulusStep(row.smallest, row.largest);
    EXPECT_EQ(step, row.step);
    EXPECT_LE(rangeCount(row.smallest, row.largest, step), kMostModulusRanges);
    if (step > 1) {
      EXPECT_GT(rangeCount(row.smallest, row.largest, smallerStep(step)), kMostModulusRanges);
    }
  }
}

TEST(ModulusRanges, AValueOnABoundStartsTheRangeAboveAndTextsAreWholeCubicCentimetres) {
  const struct {
    double modulus, step;
    const char* text;
  } rows[] = {
      {159.4, 100, "100 – 200 cm³"},
      {767.6, 100, "700 – 800 cm³"},
      {2808.8, 500, "2500 – 3000 cm³"},
      {200, 100, "200 – 300 cm³"},
      {0.4, 1, "0 – 1 cm³"},
      {999.99, 10, "990 – 1000 cm³"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(modulusRangeText(rangeStart(row.modulus, row.step), row.step), row.text)
        << row.modulus;
  }
}

OrdinaryStiffener stiffenerOf(double position, const Scantling& scantling) {
  OrdinaryStiffener s = stiffener(position);
  s.Scant = scantling;
  s.Spans.append();
  return s;
}

Strake strakeTo(double y, double thickness) {
  Strake s;
  s.Y = static_cast<Single>(y);
  s.Th = static_cast<Single>(thickness);
  s.iMat = 1;
  return s;
}

constexpr Scantling kFlatBar{.Typ = profile_type::kFlatBar, .H1 = 200, .E1 = 12};
constexpr Scantling kTee{.Typ = profile_type::kTee, .H1 = 300, .E1 = 12, .H2 = 100, .E2 = 15};
constexpr Scantling kNoProfile{.Typ = profile_type::kNone};

// On the 10 m by 8 m plate, vertical stiffeners 0.7 m apart on 12 mm plating
// (flat bars 200×12 on 700×12: Z 159.4 cm³ at the flange) and 0.8 m apart on
// 14 mm plating (tees 300×12, 100×15 on 800×14: Z 767.6 cm³), the stiffeners
// at each group's ends taking the inner half spacing on both sides; between
// them one without a profile.
Bulkhead handWorkedPlate() {
  Bulkhead bulkhead = rectangle();
  bulkhead.stfHV = kVertical;
  for (const double y : {1.0, 1.7, 2.4}) bulkhead.Stiffeners.append(stiffenerOf(y, kFlatBar));
  bulkhead.Stiffeners.append(stiffenerOf(5.0, kNoProfile));
  for (const double y : {6.0, 6.8, 7.6}) bulkhead.Stiffeners.append(stiffenerOf(y, kTee));
  StrakeBand& band = bulkhead.StrakeBands.append();
  band.Strakes.append(strakeTo(3, 12));
  band.Strakes.append(strakeTo(10, 14));
  return bulkhead;
}

std::vector<Long> spanColours(const Bulkhead& bulkhead) {
  std::vector<Long> colours;
  for (const OrdinaryStiffener& s : bulkhead.Stiffeners) {
    for (const StiffenerSpan& span : s.Spans) colours.push_back(span.ColourIndex);
  }
  return colours;
}

std::vector<Long> bracketColours(const Arrangement& arrangement) {
  std::vector<Long> colours;
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) {
    for (const OrdinaryStiffener& s : bulkhead.Stiffeners) {
      for (const Bracket& bracket : s.Brackets) colours.push_back(bracket.ColourIndex);
    }
  }
  return colours;
}

Legend modulusLegend(Arrangement& arrangement, const List<Long>& palette) {
  return buildLegend(arrangement, check_mode::kSectionModulus, palette, ShipData{},
                     [](std::string_view) {});
}

TEST(SectionModulusCheck, HandWorkedSpansFallInTheirRangesAndThoseWithoutOneComeFirstUncoloured) {
  Arrangement plain;
  plain.Bulkheads.append(handWorkedPlate());
  Arrangement arrangement = computed(plain);
  for (OrdinaryStiffener& s : arrangement.Bulkheads.at(1).Stiffeners) {
    s.Brackets.at(1) = {.Enabled = true, .Length = 0.5F, .Scant = kFlatBar, .ColourIndex = 3};
  }
  List<Long> palette;
  for (const Long colour : {11, 22, 33}) palette.append(colour);

  EXPECT_EQ(modulusLegend(arrangement, palette),
            (Legend{{0, "no section modulus"}, {11, "100 – 200 cm³"}, {22, "700 – 800 cm³"}}));
  EXPECT_EQ(spanColours(arrangement.Bulkheads.at(1)), (std::vector<Long>{1, 1, 1, 0, 2, 2, 2}));
  // Brackets are no spans: left in the drawing's colour.
  for (const Long colour : bracketColours(arrangement)) EXPECT_EQ(colour, 0);

  // With every span valued, no entry for spans without one.
  arrangement.Bulkheads.at(1).Stiffeners.remove(4);
  EXPECT_EQ(modulusLegend(arrangement, palette).front().Text, "100 – 200 cm³");
}

// "750 – 800 cm³" as its two bounds.
std::pair<double, double> boundsOf(const std::string& text) {
  std::istringstream in(text);
  double low = 0;
  double high = 0;
  std::string dash;
  in >> low >> dash >> high;
  return {low, high};
}

// The example, with one stiffener's spans given a profile that has no section.
TEST(SectionModulusCheck, EverySpanOfTheExampleIsColouredByTheEntryWhoseRangeHoldsItsModulus) {
  Arrangement read;
  ASSERT_TRUE(readZelBlock(KORAIN_EXAMPLES "/bulk_carrier.ko2", 1, read).found());
  Arrangement arrangement = computed(read);
  arrangement.Bulkheads.at(1).Stiffeners.at(2).Scant = kNoProfile;
  const List<Long> palette = defaultCheckPalette();
  const Legend legend = modulusLegend(arrangement, palette);

  ASSERT_GE(legend.size(), 2U);
  EXPECT_EQ(legend.front(), (LegendEntry{0, "no section modulus"}));
  const double step = boundsOf(legend[1].Text).second - boundsOf(legend[1].Text).first;
  EXPECT_LE(legend.size() - 1, static_cast<std::size_t>(kMostModulusRanges));
  for (std::size_t i = 2; i < legend.size(); ++i) {
    EXPECT_LT(boundsOf(legend[i - 1].Text).first, boundsOf(legend[i].Text).first);
    EXPECT_EQ(boundsOf(legend[i].Text).second - boundsOf(legend[i].Text).first, step);
  }

  int unvalued = 0;
  for (const Bulkhead& bulkhead : arrangement.Bulkheads) {
    for (const SpanProperties& span : spanProperties(bulkhead, 0)) {
      const Long index = bulkhead.Stiffeners.at(span.stiffener).Spans.at(span.span).ColourIndex;
      if (!span.gross) {
        EXPECT_EQ(index, 0);
        ++unvalued;
        continue;
      }
      ASSERT_GT(index, 0);
      const auto entry = std::ranges::find(legend, palette.at(index), &LegendEntry::Colour);
      ASSERT_NE(entry, legend.end());
      const auto [low, high] = boundsOf(entry->Text);
      EXPECT_LE(low, span.gross->modulusFlange);
      EXPECT_LT(span.gross->modulusFlange, high);
    }
  }
  EXPECT_GT(unvalued, 0);
}

}  // namespace
}  // namespace korain::testing
