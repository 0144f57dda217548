// The check legend: distinct values, their order, their colours and the
// colour index left on every strake, span and bracket.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks/legend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/check_modes.h"
#include "ship/ship_queries.h"

namespace korain::testing {
namespace {

using namespace check_mode;

Scantling profile(Long type, Single h1, Single e1) { return {.Typ = type, .H1 = h1, .E1 = e1}; }

Bracket fitted(const Scantling& scantling, Single length = 1) {
  return {.Enabled = true, .Length = length, .Scant = scantling};
}

// A stiffener with the given number of spans that all use its own scantling.
OrdinaryStiffener& addStiffener(Bulkhead& bulkhead, const Scantling& scantling, int spans = 1) {
  OrdinaryStiffener& stiffener = bulkhead.Stiffeners.append();
  stiffener.Scant = scantling;
  stiffener.iMat = 1;
  for (int k = 0; k < spans; ++k) stiffener.Spans.append();
  return stiffener;
}

Strake& addStrake(Bulkhead& bulkhead, Single thickness, Integer material = 1) {
  if (bulkhead.StrakeBands.count() == 0) bulkhead.StrakeBands.append();
  Strake& strake = bulkhead.StrakeBands.first().Strakes.append();
  strake.Th = thickness;
  strake.iMat = material;
  return strake;
}

List<Long> palette(std::initializer_list<Long> colours) {
  List<Long> list;
  for (Long colour : colours) list.append(colour);
  return list;
}

const List<Long> kPalette = palette({11, 22, 33, 44, 55, 66, 77, 88});

Legend build(Arrangement& arrangement, Long mode, const List<Long>& colours = kPalette,
             const ShipData& ship = ShipData{}) {
  return buildLegend(arrangement, mode, colours, ship, [](std::string_view) {});
}

// An arrangement of one bulkhead, without strakes or stiffeners yet.
struct OneBulkhead : ::testing::Test {
  Arrangement arrangement;
  Bulkhead& bulkhead = arrangement.Bulkheads.append();
};

std::vector<Long> strakeColours(const Bulkhead& bulkhead) {
  std::vector<Long> colours;
  for (const Strake& strake : bulkhead.StrakeBands.first().Strakes) {
    colours.push_back(strake.ColourIndex);
  }
  return colours;
}

TEST_F(OneBulkhead, BracketLegendWithoutAnyFittedBracketIsTheSingleEntryNoBracket) {
  const Legend noBracket{{0, "no bracket"}};
  Arrangement empty;
  EXPECT_EQ(build(empty, kBracketScantling), noBracket);

  OrdinaryStiffener& stiffener = addStiffener(bulkhead, profile(1, 200, 12));
  stiffener.Brackets.at(1).ColourIndex = 5;
  EXPECT_EQ(build(arrangement, kBracketScantling), noBracket);
  EXPECT_EQ(stiffener.Brackets.at(1).ColourIndex, 0);
  EXPECT_EQ(stiffener.Spans.at(1).ColourIndex, 0);
}

TEST_F(OneBulkhead, BracketLegendSomeFittedPutsNoBracketFirstAndSortsTheRestOnceEach) {
  addStiffener(bulkhead, profile(1, 200, 12)).Brackets.at(2) = fitted(profile(4, 150, 10));
  addStiffener(bulkhead, profile(1, 200, 12));
  // The third shares the entry of the first.
  addStiffener(bulkhead, profile(1, 200, 12)).Brackets.at(1) = fitted(profile(4, 150, 10));
  OrdinaryStiffener& stiffener = bulkhead.Stiffeners.at(2);
  stiffener.Brackets.at(1) = fitted(profile(5, 0, 0));
  stiffener.Brackets.at(2) = fitted(profile(1, 0, 0));

  // Zero dimensions without a prefix say nothing; a flat bar keeps its own.
  EXPECT_EQ(build(arrangement, kBracketScantling), (Legend{{0, "no bracket"},
                                                           {11, "no scantling"},
                                                           {22, "F- 0.0 x 0.0"},
                                                           {33, "T- 150.0 x 10.0 - 0.0 x 0.0"}}));
  EXPECT_EQ(stiffener.Brackets.at(1).ColourIndex, 1);
  EXPECT_EQ(stiffener.Brackets.at(2).ColourIndex, 2);
  EXPECT_EQ(bulkhead.Stiffeners.at(1).Brackets.at(1).ColourIndex, 0);
  EXPECT_EQ(bulkhead.Stiffeners.at(1).Brackets.at(2).ColourIndex, 3);
  EXPECT_EQ(bulkhead.Stiffeners.at(3).Brackets.at(1).ColourIndex, 3);
}

TEST_F(OneBulkhead, BracketLegendLengthsAreTextsWithoutLeadingBlanks) {
  OrdinaryStiffener& stiffener = addStiffener(bulkhead, profile(1, 200, 12));
  stiffener.Brackets.at(1) = fitted(profile(1, 200, 12), 1.5F);
  stiffener.Brackets.at(2) = fitted(profile(1, 200, 12), 0.5F);
  EXPECT_EQ(build(arrangement, kBracketLength), (Legend{{11, ".5"}, {22, "1.5"}}));
  EXPECT_EQ(stiffener.Brackets.at(1).ColourIndex, 2);
}

TEST_F(OneBulkhead, ThicknessLegendSortsWrapsRoundThePaletteMergesCloseValuesOrColoursNothing) {
  for (Single thickness : {16.F, 12.F, 10.F, 14.F, 12.0005F}) addStrake(bulkhead, thickness);
  OrdinaryStiffener& stiffener = addStiffener(bulkhead, profile(1, 200, 12));
  stiffener.Spans.at(1).ColourIndex = 9;

  EXPECT_EQ(build(arrangement, kThickness, palette({11, 22, 33})),
            (Legend{{11, "  10.0 mm"}, {22, "  12.0 mm"}, {33, "  14.0 mm"}, {11, "  16.0 mm"}}));
  EXPECT_EQ(strakeColours(bulkhead), (std::vector<Long>{1, 2, 1, 3, 2}));
  EXPECT_EQ(stiffener.Spans.at(1).ColourIndex, 0);  // spans are not coloured by thickness

  // An empty palette colours nothing.
  EXPECT_EQ(build(arrangement, kThickness, List<Long>{}),
            (Legend{{0, "  10.0 mm"}, {0, "  12.0 mm"}, {0, "  14.0 mm"}, {0, "  16.0 mm"}}));
  EXPECT_EQ(strakeColours(bulkhead), std::vector<Long>(5, 0));
}

TEST_F(OneBulkhead, ScantlingLegendSpansAndFittedBracketsByTheirLabels) {
  OrdinaryStiffener& stiffener = addStiffener(bulkhead, profile(2, 220, 10), 2);
  StiffenerSpan& own = stiffener.Spans.at(2);
  own.HasScantling = true;
  own.Scant = profile(1, 200, 12.5F);
  stiffener.Brackets.at(2) = fitted(profile(2, 220, 10.4F));
  addStrake(bulkhead, 10).ColourIndex = 3;

  EXPECT_EQ(build(arrangement, kScantling), (Legend{{11, "B-220×10"}, {22, "F-200×13"}}));
  EXPECT_EQ(stiffener.Spans.at(1).ColourIndex, 1);
  EXPECT_EQ(own.ColourIndex, 2);
  EXPECT_EQ(stiffener.Brackets.at(2).ColourIndex, 1);
  EXPECT_EQ(strakeColours(bulkhead), std::vector<Long>{0});
}

TEST_F(OneBulkhead, StiffenerLegendSpanReductionInMetresWithOtherBracketsAtPositionSeven) {
  addStiffener(bulkhead, profile(1, 200, 12)).SpanReduction = 0.25F;
  OrdinaryStiffener& second = addStiffener(bulkhead, profile(1, 200, 12), 2);
  second.Brackets.at(1) = fitted(profile(1, 200, 12));

  EXPECT_EQ(build(arrangement, kSpanReduction), (Legend{{11, "0.0 m"}, {22, "0.25 m"}}));
  EXPECT_EQ(second.Spans.at(2).ColourIndex, 1);
  EXPECT_EQ(second.Brackets.at(1).ColourIndex, 7);
  EXPECT_EQ(second.Brackets.at(2).ColourIndex, 0);
  build(arrangement, kSpanReduction, palette({11, 22, 33}));
  EXPECT_EQ(second.Brackets.at(1).ColourIndex, 1);
}

TEST(StiffenerLegend, ConnectionOnlyWhereNoMemberInterruptsTheStiffeners) {
  Arrangement arrangement;
  Bulkhead& free = arrangement.Bulkheads.append();
  addStiffener(free, profile(1, 200, 12)).TypeConn = 1;
  addStiffener(free, profile(1, 200, 12)).TypeConn = 0;
  free.Supports.append();
  Bulkhead& supported = arrangement.Bulkheads.append();
  supported.Supports.redim(2);
  addStiffener(supported, profile(1, 200, 12)).TypeConn = 1;

  EXPECT_EQ(build(arrangement, kConnection),
            (Legend{{11, "Not applicable"}, {22, "Soft toe"}, {33, "Without Soft toe"}}));
  EXPECT_EQ(supported.Stiffeners.at(1).Spans.at(1).ColourIndex, 1);
}

TEST_F(OneBulkhead, MaterialLegendColoursAndNamesFollowTheMaterialNumber) {
  ShipData ship;
  for (int k = 1; k <= 3; ++k) {
    ship.MaterialKind.at(k) = 3;
    ship.MaterialTable.at(1).at(k) = static_cast<Single>(300 + k);
  }
  addStrake(bulkhead, 10, 3);
  OrdinaryStiffener& stiffener = addStiffener(bulkhead, profile(1, 200, 12), 2);
  stiffener.iMat = 3;
  stiffener.Spans.at(1).HasScantling = true;
  stiffener.Spans.at(1).Mat = 2;
  stiffener.Brackets.at(1) = fitted(profile(1, 200, 12));
  stiffener.Brackets.at(2) = fitted(profile(1, 200, 12));

  // In the order met, not sorted; material 3 wraps round a palette of two.
  const List<Long> colours = palette({11, 22});
  EXPECT_EQ(build(arrangement, kMaterial, colours, ship),
            (Legend{{11, materialName(3, ship)}, {22, materialName(2, ship)}}));
  EXPECT_EQ(strakeColours(bulkhead), std::vector<Long>{1});
  EXPECT_EQ(stiffener.Spans.at(1).ColourIndex, 2);
  EXPECT_EQ(stiffener.Spans.at(2).ColourIndex, 1);
  EXPECT_EQ(stiffener.Brackets.at(1).ColourIndex, 2);  // like the first span
  EXPECT_EQ(stiffener.Brackets.at(2).ColourIndex, 1);  // like the last span
}

TEST(LegendStatus, ShowsWhatIsBuiltThenClears) {
  std::vector<std::string> shown;
  Arrangement arrangement;
  buildLegend(arrangement, kThickness, kPalette, ShipData{},
              [&shown](std::string_view status) { shown.emplace_back(status); });
  EXPECT_EQ(shown, (std::vector<std::string>{"Building the thickness legend", ""}));
}

}  // namespace
}  // namespace korain::testing
