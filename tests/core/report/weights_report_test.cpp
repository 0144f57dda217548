// The report's weights and section properties: alike spans share a row, a
// span without properties says why, net moduli only with a deduction, and the
// weight as computed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../print/fake_print_surface.h"
#include "print/page_flow.h"
#include "report/report_sections.h"

namespace korain::testing {
namespace {

using Texts = std::vector<std::string>;

struct Tables {
  FakePrintSurface surface;
  PageSetup setup;
  Arrangement arrangement;
  ShipData ship;
  ReportContext context;

  explicit Tables(double deduction = 0)
      : context{surface, setup, arrangement, ship, 7.85, deduction} {
    prepareSurface(surface, setup);
  }
  // The texts of the one line that holds `anchor`, left to right.
  Texts lineWith(std::string_view anchor) const {
    const Drawn at = surface.text(anchor);
    std::vector<Drawn> line = surface.texts();
    std::erase_if(
        line, [&](const Drawn& d) { return d.Page != at.Page || std::abs(d.Y - at.Y) > kNear; });
    std::ranges::sort(line, {}, &Drawn::X);
    Texts texts;
    for (const Drawn& d : line) texts.push_back(d.Text);
    return texts;
  }
};

SpanProperties span(int stiffener, int number, double length, float height = 200) {
  SpanProperties s;
  s.stiffener = stiffener;
  s.span = number;
  s.profile = {.Typ = 1, .H1 = height, .E1 = 12};
  s.length = length;
  s.plate = AttachedPlate{.thickness = 12, .breadth = 700};
  s.gross = SectionProperties{.area = 108,
                              .neutralAxis = 29.56,
                              .inertia = 2907.5,
                              .modulusFlange = 159.4,
                              .modulusPlate = 983.7};
  return s;
}

TEST(SpanPropertiesTable, AlikeSpansShareARowAndAnotherLengthHasItsOwn) {
  Tables tables;
  SpanProperties unknown = span(4, 2, 3);
  unknown.profile.Typ = 5;
  unknown.gross.reset();
  unknown.missing = "a custom profile has no dimensions";
  printSpanPropertiesTable(
      tables.context, 1,
      {span(1, 1, 3), span(2, 1, 3.0004), span(3, 1, 3.2), span(4, 1, 3), unknown});
  EXPECT_EQ(tables.lineWith("1-2/1, 4/1"), (Texts{"1-2/1, 4/1", "F 200.0×12.0", "700 × 12", "108.0",
                                                  "29.6", "2907.5", "159.4", "983.7", "3.000"}));
  EXPECT_EQ(tables.lineWith("3/1").back(), "3.200");
  EXPECT_EQ(std::ranges::count(tables.lineWith("4/2"), "–"), 5);
  // Why, on the line under the span's.
  EXPECT_GT(tables.surface.text(unknown.missing).Y, tables.surface.text("4/2").Y);
}

TEST(SpanPropertiesTable, NetModuliAreColumnsOnlyWithADeductionThatTheTitleGives) {
  SpanProperties thin = span(1, 1, 3);
  thin.net = SectionProperties{.modulusFlange = 120.25, .modulusPlate = 700.5};
  SpanProperties gone = span(2, 1, 3, 100);
  gone.netMissing = "the deduction leaves the web no thickness";
  for (const double deduction : {0.0, 1.5}) {
    Tables tables(deduction);
    printSpanPropertiesTable(tables.context, 2, {thin, gone});
    const std::size_t net = deduction > 0 ? 1 : 0;
    EXPECT_EQ(tables.surface
                  .pagesOf("Ordinary Stiffeners - Section properties, net with 1.5 mm off every "
                           "thickness - Bulkhead n° 2")
                  .size(),
              net);
    EXPECT_EQ(tables.surface.pagesOf(gone.netMissing).size(), net);
    EXPECT_EQ(std::ranges::count(tables.lineWith("1/1"), "120.3"), net);
    EXPECT_EQ(std::ranges::count(tables.lineWith("2/1"), "–"), 2 * net);
  }
}

// Parts whose exact sum rounds otherwise than the sum of their printed weights.
TEST(WeightTable, PrintsEveryPartAndTheTotalAsComputed) {
  BulkheadWeight weight;
  weight.plating = {10.1234, 5, 4};
  weight.stiffeners = {2.3334, 5.2, 4.1};
  weight.brackets = {0.1234, 5, 1};
  weight.total = {12.5802, 5.03, 3.8};
  weight.half = true;
  weight.whole = {25.1604, 0, 3.8};
  weight.notes = {"Primary members are left out"};
  Tables tables;
  printWeightTable(tables.context, 1, weight);
  const auto printed = [&tables](const char* part) { return std::stod(tables.lineWith(part)[1]); };
  EXPECT_EQ(printed("Total"), 12.580);
  EXPECT_NEAR(printed("Total"),
              printed("Plating") + printed("Ordinary stiffeners") + printed("Brackets") +
                  printed("Corrugation"),
              0.0015);  // three parts' rounding
  EXPECT_EQ(printed("Whole bulkhead"), 25.160);
  // A part without weight has no centre of gravity.
  EXPECT_EQ(tables.lineWith("Corrugation"), (Texts{"Corrugation", "0.000", "–", "–"}));
  for (const char* note : {"Steel density 7.85 t/m³", "Primary members are left out"}) {
    EXPECT_EQ(tables.surface.pagesOf(note).size(), 1U) << note;
  }
}

}  // namespace
}  // namespace korain::testing
