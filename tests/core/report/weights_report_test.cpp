// The report's weights and section properties: alike spans share a row, a
// span without properties says why, the weight's total adds up as printed,
// and net moduli appear only with a deduction.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "../geometry/geometry_test_support.h"
#include "../print/fake_print_surface.h"
#include "io/zel_reader.h"
#include "print/page_flow.h"
#include "report/data_report.h"
#include "report/report_sections.h"
#include "ship/ship_data_reader.h"

namespace korain::testing {
namespace {

// What the tables printed, line by line.
struct Printed {
  FakePrintSurface surface;
  PageSetup setup;

  // Every line that holds `anchor`, its texts left to right.
  std::vector<std::vector<std::string>> linesWith(std::string_view anchor) const {
    std::vector<std::vector<std::string>> lines;
    const std::vector<Drawn> texts = surface.texts();
    for (const Drawn& a : texts) {
      if (a.Text != anchor) continue;
      std::vector<Drawn> line;
      std::ranges::copy_if(texts, std::back_inserter(line), [&a](const Drawn& d) {
        return d.Page == a.Page && std::abs(d.Y - a.Y) < kNear;
      });
      std::ranges::sort(line, {}, &Drawn::X);
      lines.emplace_back();
      for (const Drawn& d : line) lines.back().push_back(d.Text);
    }
    return lines;
  }
  std::vector<std::string> lineWith(std::string_view anchor) const {
    const auto lines = linesWith(anchor);
    EXPECT_EQ(lines.size(), 1U) << anchor;
    return lines.empty() ? std::vector<std::string>{} : lines.front();
  }
};

struct Tables : Printed {
  Arrangement arrangement;
  ShipData ship;

  explicit Tables(double deduction = 0)
      : context{surface, setup, arrangement, ship, 7.85, deduction} {
    prepareSurface(surface, setup);
  }
  ReportContext context;
};

Scantling flatBar(float height, float thickness) {
  return {.Typ = 1, .H1 = height, .E1 = thickness};
}

SpanProperties span(int stiffener, int number, double length, const Scantling& profile) {
  SpanProperties s;
  s.stiffener = stiffener;
  s.span = number;
  s.profile = profile;
  s.length = length;
  s.plate = AttachedPlate{.thickness = 12, .breadth = 700};
  s.gross = SectionProperties{.area = 108,
                              .neutralAxis = 29.56,
                              .inertia = 2907.5,
                              .modulusFlange = 159.4,
                              .modulusPlate = 983.7};
  return s;
}

TEST(SpanPropertiesTable, AlikeSpansShareARowAndAnotherLengthOrProfileHasItsOwn) {
  Tables tables;
  const Scantling bar = flatBar(200, 12);
  SpanProperties unknown = span(4, 2, 3, {.Typ = 5});
  unknown.gross.reset();
  unknown.missing = "a custom profile has no dimensions";
  printSpanPropertiesTable(tables.context, 1,
                           {span(1, 1, 3, bar), span(2, 1, 3.0004, bar), span(3, 1, 3.2, bar),
                            span(4, 1, 3, bar), unknown});
  // Lengths alike to the millimetre; stiffener 4's first span joins the first row.
  const std::vector<std::string> alike = tables.lineWith("1-2/1, 4/1");
  EXPECT_EQ(alike, (std::vector<std::string>{"1-2/1, 4/1", "F 200.0×12.0", "700 × 12", "108.0",
                                             "29.6", "2907.5", "159.4", "983.7", "3.000"}));
  EXPECT_EQ(tables.lineWith("3/1").back(), "3.200");
  // The span without properties: no values, and on the next line why.
  const std::vector<std::string> without = tables.lineWith("4/2");
  EXPECT_EQ(std::ranges::count(without, "–"), 5);
  const Drawn row = tables.surface.text("4/2");
  const Drawn reason = tables.surface.text(unknown.missing);
  EXPECT_EQ(reason.Page, row.Page);
  EXPECT_GT(reason.Y, row.Y);
  EXPECT_EQ(tables.surface.pagesOf("Net Z (cm³)").size(), 0U);
}

TEST(SpanPropertiesTable, NetModuliAreColumnsOnlyWithADeductionThatTheTitleGives) {
  SpanProperties thin = span(1, 1, 3, flatBar(100, 4));
  thin.net = SectionProperties{.modulusFlange = 120.25, .modulusPlate = 700.5};
  SpanProperties gone = span(2, 1, 3, flatBar(100, 3));
  gone.netMissing = "the deduction leaves the web no thickness";
  for (const double deduction : {0.0, 1.5}) {
    SCOPED_TRACE(deduction);
    Tables tables(deduction);
    printSpanPropertiesTable(tables.context, 2, {thin, gone});
    const bool net = deduction > 0;
    const std::string title =
        net ? "Ordinary Stiffeners - Section properties, net with 1.5 mm off every thickness - "
              "Bulkhead n° 2"
            : "Ordinary Stiffeners - Section properties - Bulkhead n° 2";
    EXPECT_EQ(tables.surface.pagesOf(title).size(), 1U);
    EXPECT_EQ(tables.surface.pagesOf("Net Z (cm³)").size(), net ? 1U : 0U);
    EXPECT_EQ(tables.surface.pagesOf(gone.netMissing).size(), net ? 1U : 0U);
    const std::vector<std::string> row = tables.lineWith("1/1");
    EXPECT_EQ(std::ranges::count(row, "120.3"), net ? 1 : 0);
    EXPECT_EQ(std::ranges::count(tables.lineWith("2/1"), "–"), net ? 2 : 0);
  }
}

double number(const std::string& text) { return std::stod(text); }

// The weight (t) printed on each part's row.
std::vector<double> weightsOf(const Printed& printed, const std::vector<std::string>& labels,
                              std::size_t bulkhead) {
  std::vector<double> weights;
  for (const std::string& label : labels) {
    const auto lines = printed.linesWith(label);
    EXPECT_GT(lines.size(), bulkhead) << label;
    if (lines.size() > bulkhead && lines[bulkhead].size() > 1) {
      weights.push_back(number(lines[bulkhead][1]));
    }
  }
  return weights;
}

const std::vector<std::string> kParts{"Plating", "Ordinary stiffeners", "Brackets", "Corrugation"};

// Parts whose exact sum rounds otherwise than the sum of their printed values.
TEST(WeightTable, TheTotalIsTheSumOfThePrintedPartsAndTheWholeTwiceIt) {
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
  const std::vector<double> parts = weightsOf(tables, kParts, 0);
  ASSERT_EQ(parts.size(), 4U);
  const double sum = parts[0] + parts[1] + parts[2] + parts[3];
  const std::vector<double> total = weightsOf(tables, {"Total", "Whole bulkhead"}, 0);
  ASSERT_EQ(total.size(), 2U);
  EXPECT_NEAR(total[0], sum, 1e-9);
  EXPECT_NEAR(total[1], 2 * total[0], 1e-9);
  // A part without weight has no centre of gravity.
  EXPECT_EQ(tables.lineWith("Corrugation"),
            (std::vector<std::string>{"Corrugation", "0.000", "–", "–"}));
  EXPECT_EQ(tables.surface.pagesOf("Primary members are left out").size(), 1U);
  EXPECT_EQ(tables.surface.pagesOf("Steel density 7.85 t/m³").size(), 1U);
}

struct Example : Printed {
  explicit Example(double deduction) {
    const std::string path = KORAIN_EXAMPLES "/bulk_carrier.ko2";
    Arrangement arrangement;
    EXPECT_TRUE(readZelBlock(path, 1, arrangement).found());
    ShipData ship;
    EXPECT_TRUE(readShipData(path, ship).found());
    ReportRequest request;
    request.Items[10] = true;
    request.ThicknessDeduction = deduction;
    printReport(surface, setup, computed(arrangement), ship, request);
    bulkheads = arrangement.Bulkheads.count();
  }
  int bulkheads = 0;
};

// Every bulkhead of the example: its weight adds up as printed, and its spans'
// net moduli come with a deduction only.
TEST(WeightsAndPropertiesReport, TheExamplesBulkheadsAddUpAndShowNetModuliOnlyWhenAsked) {
  EXPECT_EQ(reportItemName(10), "Weights and section properties");
  EXPECT_EQ(reportItemName(11), "Cancel");
  const Example gross(0);
  const Example net(1.5);
  ASSERT_GT(gross.bulkheads, 0);
  for (std::size_t b = 0; b < static_cast<std::size_t>(gross.bulkheads); ++b) {
    const std::vector<double> parts = weightsOf(gross, kParts, b);
    ASSERT_EQ(parts.size(), 4U);
    EXPECT_GT(parts[0], 0);
    EXPECT_NEAR(weightsOf(gross, {"Total"}, b).at(0), parts[0] + parts[1] + parts[2] + parts[3],
                1e-9);
  }
  EXPECT_EQ(gross.surface.pagesOf("Net Z (cm³)").size(), 0U);
  EXPECT_GE(net.surface.pagesOf("Net Z (cm³)").size(), static_cast<std::size_t>(net.bulkheads));
}

}  // namespace
}  // namespace korain::testing
