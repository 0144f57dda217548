// The data report on the fake surface: which items print what, in which order,
// and the risk-of-resonance section's rows, periods and page breaks.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/data_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <numeric>
#include <string>
#include <vector>

#include "../geometry/geometry_test_support.h"
#include "../print/fake_print_surface.h"
#include "../resonance/bulk_carrier_ship.h"
#include "io/zel_reader.h"
#include "resonance/compartment_codes.h"
#include "resonance/ship_periods.h"
#include "ship/ship_data_reader.h"
#include "text/number_format.h"

namespace korain::testing {
namespace {

const std::string kDocumentTitle = "Bulkhead Arrangement Input data";
const std::string kRiskTitle = "Evaluation of Risk of resonance - Bulkead n° 1";

// One computed rectangular bulkhead; its forward compartment gets `points`.
Arrangement oneBulkhead(std::initializer_list<FillingPoint> points = {}, Long destination = 2) {
  Arrangement arrangement;
  arrangement.Bulkheads.append(rectangle());
  Compartment& forward = arrangement.Bulkheads.at(1).Compartments.at(1);
  forward.Name = "Hold 3";
  forward.B = destination;
  for (const FillingPoint& point : points) forward.Points.append(point);
  return computed(arrangement);
}

std::array<bool, kReportItems> items(std::initializer_list<int> chosen) {
  std::array<bool, kReportItems> flags{};
  for (const int item : chosen) flags.at(static_cast<std::size_t>(item)) = true;
  return flags;
}

struct Report {
  FakePrintSurface surface;
  PageSetup setup;

  Report(const Arrangement& arrangement, const ShipData& ship,
         std::array<bool, kReportItems> chosen, SurfaceKind kind = SurfaceKind::Printer,
         bool visible = true, ShipDataPresence presence = ShipDataPresence::Read)
      : surface(kind) {
    surface.visible = visible;
    ReportRequest request;
    request.Items = chosen;
    request.DatabaseName = "hull.ko2";
    request.ShipPresence = presence;
    printReport(surface, setup, arrangement, ship, request);
  }

  // How often `wanted` is drawn, on `page` or (0) on any page.
  int count(std::string_view wanted, int page = 0) const {
    const std::vector<int> pages = surface.pagesOf(wanted);
    return static_cast<int>(page == 0 ? std::ssize(pages) : std::ranges::count(pages, page));
  }
  // The texts drawn on the line of `anchor`, left to right.
  std::vector<Drawn> lineOf(const Drawn& anchor) const {
    std::vector<Drawn> line;
    for (const Drawn& d : surface.texts()) {
      if (d.Page == anchor.Page && std::abs(d.Y - anchor.Y) < 1e-6) line.push_back(d);
    }
    std::sort(line.begin(), line.end(), [](const Drawn& a, const Drawn& b) { return a.X < b.X; });
    return line;
  }
  // The texts of the table row that begins with `first`.
  std::vector<std::string> rowOf(std::string_view first) const {
    std::vector<std::string> row;
    for (const Drawn& d : lineOf(surface.text(first))) row.push_back(d.Text);
    return row;
  }
};

// The dialog has already said "choose an item", and a preview may have been closed while the
// report was prepared: neither starts a document.
TEST(DataReport, NothingSelectedOrAHiddenPreviewDrawsNothing) {
  EXPECT_EQ(reportItemName(-1), "Cancel");
  EXPECT_EQ(reportItemName(kReportItems), "Cancel");
  EXPECT_EQ(reportSelectionProblem(items({})), "Please choose an item to print");
  EXPECT_EQ(reportSelectionProblem(items({9})), std::nullopt);
  const Report none(oneBulkhead({{4, 20, 10}}), bulkCarrier(), items({}));
  EXPECT_TRUE(none.surface.drawn.empty());
  EXPECT_FALSE(none.surface.ended);
  const Report hidden(oneBulkhead({{4, 20, 10}}), bulkCarrier(),
                      items({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), SurfaceKind::Preview, false);
  EXPECT_TRUE(hidden.surface.drawn.empty());
}

TEST(DataReport, TheFrontPageNamesTheArrangementOverItsTitleLinesAndMakers) {
  TitleBlock titles;
  titles.Lines = {"Korain version 1.0.1", "Date : 14/11/2023",   "HOLD 3 AFT", "",
                  "FOR APPROVAL",         "Section at X = 88 m", "Bulkhead",   "jdoe yard"};
  titles.Cells = {{"Drawn by", "J. Doe"}, {"Checked by", "P. Smith"}};
  const std::vector<std::string> below{"Korain version 1.0.1", "HOLD 3 AFT",
                                       "FOR APPROVAL",         "jdoe yard",
                                       "Drawn by : J. Doe",    "Checked by : P. Smith"};
  for (const std::string name : {"Hold 3 aft bulkhead", "  "}) {
    SCOPED_TRACE(name);
    Arrangement arrangement = oneBulkhead();
    arrangement.Name = name;
    FakePrintSurface surface;
    PageSetup setup;
    ReportRequest request;
    request.Items = items({0});
    request.Titles = titles;
    printReport(surface, setup, arrangement, bulkCarrier(), request);
    const bool named = name != "  ";
    // Above the title lines only the name, which a blank one leaves out.
    std::vector<std::string> above;
    for (const Drawn& d : surface.texts()) {
      if (d.Page == 1 && d.Y < surface.text(below.front()).Y) above.push_back(d.Text);
    }
    EXPECT_EQ(above, named ? std::vector<std::string>{name} : std::vector<std::string>{});
    if (named) {
      EXPECT_GT(surface.text(name).Font.Size, surface.text("HOLD 3 AFT").Font.Size);
    }
    // Then each text in its order down the front page.
    double previous = 0;
    for (const std::string& text : below) {
      const Drawn drawn = surface.text(text);
      EXPECT_EQ(drawn.Page, 1) << text;
      EXPECT_GT(drawn.Y, previous) << text;
      previous = drawn.Y;
    }
  }
}

TEST(DataReport, OnlyTheRiskItemPrintsTheDocumentTitleAndTheRiskSection) {
  const Arrangement arrangement = oneBulkhead({{4, 20, 10}});
  const Report printed(arrangement, bulkCarrier(), items({8}));
  const Drawn title = printed.surface.text(kDocumentTitle);
  EXPECT_LT(title.Y, printed.surface.text(kRiskTitle).Y);
  // Without the front page the first page is an ordinary one, its header above the title.
  EXPECT_EQ(printed.surface.pagesOf("File : hull.ko2"), std::vector<int>{1});
  EXPECT_LT(printed.surface.text("File : hull.ko2").Y, title.Y);
  EXPECT_EQ(printed.count("Main destination"), 1);
  for (const char* other :
       {"Bulkhead Arrangement", "Hold Data", "Bulkhead Description", "Nodes - Geometry",
        "Primary supporting members", "Strake Bands", "Compartment", "Foreward compartments",
        "Corrugation", "Free surface dimensions for evaluation of risk of resonance"}) {
    EXPECT_EQ(printed.count(other), 0) << other;
  }
  for (const Drawn& d : printed.surface.texts()) {
    EXPECT_EQ(d.Text.find("Ordinary Stiffeners"), std::string::npos) << d.Text;
  }
  EXPECT_TRUE(std::none_of(printed.surface.drawn.begin(), printed.surface.drawn.end(),
                           [](const Drawn& d) { return d.Kind == DrawnKind::Picture; }));

  // The document title belongs to the printed document only.
  const Report preview(arrangement, bulkCarrier(), items({8}), SurfaceKind::Preview);
  EXPECT_EQ(preview.count(kDocumentTitle), 0);
  EXPECT_EQ(preview.count(kRiskTitle), 1);
}

TEST(DataReport, CompartmentsWithoutLevelsSayNothingAndLeaveNoRisk) {
  const Report report(oneBulkhead(), bulkCarrier(), items({7, 8}));
  EXPECT_EQ(report.count("nothing"), 2);  // forward and aftward free-surface tables
  // Each of the two once, one above the other.
  EXPECT_LT(report.surface.text("Evaluation of Risk of resonance").Y,
            report.surface.text("No compartments for risk computation!").Y);
  EXPECT_EQ(report.count("Main destination"), 0);
  EXPECT_EQ(report.count("Upright ship cond."), 0);
}

// A level without breadth has no transverse period: nothing to judge roll or sway by.
TEST(ResonanceReport, NoBreadthPrintsDashesAndNoRollOrSwayRisk) {
  const Report report(oneBulkhead({{4, 20, 0}}), bulkCarrier(), items({8}));
  // Level, breadth, Ty, roll, sway, length, Tx, pitch.
  const std::vector<std::string> flat = report.rowOf("4.000");
  ASSERT_EQ(flat.size(), 8U);
  EXPECT_EQ(std::vector<std::string>(flat.begin(), flat.begin() + 6),
            (std::vector<std::string>{"4.000", "0.000", "--", "NO", "NO", "20.000"}));
  EXPECT_NE(flat[6], "--");  // the length still has its period
}

// Water ballast is judged in the ballast condition, whose roll period differs.
TEST(ResonanceReport, WaterBallastPrintsThePeriodsOfTheBallastCondition) {
  const ShipPeriods periods = computeShipPeriods(bulkCarrier());
  const std::string ballastRoll = formatNumber(periods.RollPeriod.at(2), "#0.00");
  ASSERT_NE(ballastRoll, formatNumber(periods.RollPeriod.at(1), "#0.00"));
  const auto valueOf = [](const Report& report, std::string_view label) {
    // The last text of the line that is neither a leader dot nor the unit.
    const std::vector<Drawn> line = report.lineOf(report.surface.text(label));
    const auto value = std::find_if(line.rbegin(), line.rend(),
                                    [](const Drawn& d) { return !d.Text.starts_with(' '); });
    return value == line.rend() ? std::string() : value->Text;
  };
  const Report ballast(oneBulkhead({{4, 20, 10}}, kWaterBallastDestination), bulkCarrier(),
                       items({8}));
  EXPECT_EQ(valueOf(ballast, "Roll period (Tr)"), ballastRoll);
  EXPECT_EQ(valueOf(ballast, "Pitch period (Tp)"),
            formatNumber(periods.PitchPeriod.at(2), "#0.00"));
  EXPECT_EQ(valueOf(ballast, "Sway period (Tsw)"), formatNumber(periods.SwayPeriod, "#0.00"));
  EXPECT_EQ(valueOf(ballast, "Main destination"), "Water ballast");

  const Report cargo(oneBulkhead({{4, 20, 10}}, 2), bulkCarrier(), items({8}));
  EXPECT_EQ(valueOf(cargo, "Roll period (Tr)"), formatNumber(periods.RollPeriod.at(1), "#0.00"));
}

// A long table of levels: each page repeats what a reader needs to read the rows,
// but the compartment's own data stays on the first page.
TEST(ResonanceReport, ManyLevelsRepeatTitleHeadingAndHeadOnTheNextPage) {
  Arrangement arrangement = oneBulkhead();
  List<FillingPoint>& points = arrangement.Bulkheads.at(1).Compartments.at(1).Points;
  constexpr int kLevels = 80;
  for (int k = 1; k <= kLevels; ++k) points.append({static_cast<Single>(0.1 * k), 20, 10});
  const Report report(arrangement, bulkCarrier(), items({8}));

  const int lastPage = report.surface.drawn.back().Page;
  ASSERT_GE(lastPage, 2);
  const std::string repeated[] = {kRiskTitle, "Forward compartment :", "Upright ship cond."};
  for (int page = 1; page <= lastPage; ++page) {
    for (const std::string& text : repeated) {
      EXPECT_EQ(report.count(text, page), 1) << text << " on page " << page;
    }
  }
  for (const char* once : {"Main destination", "Effective length", "Effective breadth",
                           "Roll period (Tr)", "Pitch period (Tp)", "Sway period (Tsw)"}) {
    EXPECT_EQ(report.count(once), 1) << once;
  }
  // Every level printed once, none lost or repeated at the break; on the continuation page the
  // repeated parts come before the first row.
  double firstRowY = 1e9;
  for (int k = 1; k <= kLevels; ++k) {
    const Drawn level = report.surface.text(formatNumber(0.1 * k, "#0.000"));
    if (level.Page == lastPage) firstRowY = std::min(firstRowY, level.Y);
  }
  ASSERT_LT(firstRowY, 1e9);
  for (const Drawn& d : report.surface.texts()) {
    if (d.Page == lastPage && std::ranges::find(repeated, d.Text) != std::end(repeated)) {
      EXPECT_LT(d.Y, firstRowY) << d.Text;
    }
  }
}

// Without a ship to judge against, the section says why instead of giving
// periods of 0 and a "NO" for every risk.
TEST(ResonanceReport, MissingShipDataPrintNoPeriodsOrVerdictsButWhatIsMissing) {
  const Arrangement arrangement = oneBulkhead({{4, 20, 10}});
  ShipData noLength = bulkCarrier();
  noLength.L = 0;
  const Report lacking(arrangement, noLength, items({8}));
  const Report missing(arrangement, ShipData{}, items({8}), SurfaceKind::Printer, true,
                       ShipDataPresence::Missing);
  for (const Report* report : {&lacking, &missing}) {
    EXPECT_EQ(report->count("Evaluation of Risk of resonance"), 1);
    for (const char* verdict : {"Main destination", "Roll period (Tr)", "YES", "NO", "--"}) {
      EXPECT_EQ(report->count(verdict), 0) << verdict;
    }
  }
  EXPECT_EQ(lacking.count("L (rule length, m) is missing or not positive: 0.000"), 1);
  EXPECT_EQ(missing.count("Risk of resonance not evaluated: the database has no ship data block."),
            1);
}

// A ship that lolls in the loaded condition has no roll period there: the
// section says so, and judges no roll risk, rather than printing 0.00 s and NO.
TEST(ResonanceReport, ANegativeGMPrintsTheRollPeriodUndefinedAndNoRollVerdict) {
  ShipData lolling = bulkCarrier();
  lolling.GM1 = -0.3F;
  const Report report(oneBulkhead({{4, 20, 10}}), lolling, items({8}));
  const std::vector<Drawn> roll = report.lineOf(report.surface.text("Roll period (Tr)"));
  EXPECT_EQ(roll.back().Text, "undefined");
  EXPECT_EQ(
      report.count("Roll period undefined in loading condition 1: GM -0.300 m is not positive"), 1);
  const std::vector<std::string> row = report.rowOf("4.000");
  ASSERT_EQ(row.size(), 8U);
  EXPECT_EQ(row[3], "--");  // the roll risk, fourth of the row
}

// A table that runs onto the next page repeats its head, and its first row
// there names what it continues: the bulkhead and band of a strake, the
// bulkhead of a node.
TEST(DataReport, AContinuedTableRepeatsItsHeadAndWhatItContinues) {
  Arrangement arrangement = oneBulkhead();
  Bulkhead& b = arrangement.Bulkheads.at(1);
  b.Name = "Aft bulkhead";
  b.StrakeBands.redim(1);
  for (int t = 1; t <= 60; ++t) b.StrakeBands.at(1).Strakes.append().Th = 12;
  for (int k = 1; k <= 30; ++k) b.Nodes.append().Y = static_cast<Single>(k);
  const Report report(arrangement, bulkCarrier(), items({3, 6}));
  EXPECT_EQ(report.count("Bulk. 1  Aft bulkhead"), 1);
  EXPECT_EQ(report.surface.pagesOf("Bulk. 1  Aft bulkhead  (continued)").size(), 1U);
  const std::vector<int> strakePages = report.surface.pagesOf("Strake Bands");
  ASSERT_EQ(strakePages.size(), 2U);
  const int page = strakePages.back();
  EXPECT_EQ(report.count("Strake", page), 1);  // the head again
  // The first row of the continued page: bulkhead 1, band 1 and its level, then the strake.
  const std::vector<Drawn> texts = report.surface.texts();
  const auto firstRow = std::ranges::find_if(
      texts, [&](const Drawn& d) { return d.Page == page && d.Text == "12.0"; });
  ASSERT_NE(firstRow, texts.end());
  const std::vector<Drawn> cells = report.lineOf(*firstRow);
  ASSERT_GE(cells.size(), 4U);
  EXPECT_EQ(cells[0].Text + " " + cells[1].Text + " " + cells[2].Text, "1 1 0.000");
}

// Wherever the page breaks, a bulkhead's "(continued)" banner follows its first banner.
TEST(DataReport, AContinuedBannerOnlyFollowsAFirstPart) {
  for (int before = 30; before <= 90; ++before) {
    Arrangement arrangement = oneBulkhead();
    arrangement.Bulkheads.append(arrangement.Bulkheads.at(1));
    for (int k = 1; k <= before; ++k) arrangement.Bulkheads.at(1).Nodes.append().Y = 1;
    arrangement.Bulkheads.at(2).Name = "Second";
    const std::vector<Drawn> texts = Report(arrangement, bulkCarrier(), items({3})).surface.texts();
    const auto first = std::ranges::find(texts, "Bulk. 2  Second", &Drawn::Text);
    EXPECT_LT(first, std::ranges::find(texts, "Bulk. 2  Second  (continued)", &Drawn::Text))
        << before << " more nodes before";
  }
}

// The example's sections, printed with everything chosen, in the order of the items.
TEST(DataReport, ExampleSectionsFollowTheItemOrder) {
  const std::string path = KORAIN_EXAMPLES "/bulk_carrier.ko2";
  Arrangement arrangement;
  ASSERT_TRUE(readZelBlock(path, 1, arrangement).found());
  ShipData ship;
  ASSERT_TRUE(readShipData(path, ship).found());
  const Report report(computed(arrangement), ship, items({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

  const std::vector<std::string> titles{
      kDocumentTitle,
      "Bulkhead Arrangement",
      "Hold Data",
      "Bulkhead Description",
      "Nodes - Geometry",
      "Primary supporting members",
      "Ordinary Stiffeners - Location and scantling - Bulkhead n° 1",
      "Lower and Upper Ends - Brackets - Bulkhead n° 1",
      "Strake Bands",
      "Compartment",
      "Foreward compartments",
      "Aftward compartments",
      kRiskTitle,
      "Corrugation",
      "Steel Weight and Centre of Gravity - Bulkhead n° 1",
      "Ordinary Stiffeners - Section properties - Bulkhead n° 1"};
  const std::vector<Drawn> texts = report.surface.texts();
  std::vector<std::ptrdiff_t> firsts;
  for (const std::string& title : titles) {
    const auto found = std::ranges::find(texts, title, &Drawn::Text);
    ASSERT_NE(found, texts.end()) << title;
    firsts.push_back(found - texts.begin());
  }
  EXPECT_TRUE(std::is_sorted(firsts.begin(), firsts.end()));

  // The front page has a page to itself: the document starts on the next one.
  const std::vector<Drawn> all = report.surface.drawn;
  const auto logo = std::ranges::find(all, "logo", &Drawn::Text);
  ASSERT_NE(logo, all.end());
  EXPECT_EQ(logo->Page, 1);
  EXPECT_EQ(texts[static_cast<std::size_t>(firsts.front())].Page, 2);
  // Every page but the front page starts with the file and ship header.
  std::vector<int> headed(static_cast<std::size_t>(all.back().Page - 1));
  std::iota(headed.begin(), headed.end(), 2);
  EXPECT_EQ(report.surface.pagesOf("File : hull.ko2"), headed);
  // Each bulkhead is drawn once, with its members.
  const auto drawings = std::count_if(all.begin(), all.end(), [](const Drawn& d) {
    return d.Kind == DrawnKind::Picture && d.Text.starts_with("bulkhead ");
  });
  EXPECT_EQ(drawings, arrangement.Bulkheads.count());
}

}  // namespace
}  // namespace korain::testing
