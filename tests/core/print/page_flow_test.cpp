// Preparing the surface, page breaks with header and footer and the end of the document, on the
// fake's 20 x 28 cm area (10 points: lines 0.5 cm high).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_flow.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_print_surface.h"
#include "print/print_headings.h"
#include "print/print_text.h"

namespace korain::testing {
namespace {

constexpr SurfaceKind kPrinter = SurfaceKind::Printer;
constexpr SurfaceKind kPreview = SurfaceKind::Preview;

// The default margins (left 2 cm, foot 0.5 cm, bottom 1.5 cm) and font (Arial), in 10 points.
PageSetup reportSetup() {
  PageSetup setup;
  setup.FontSize = 10;
  setup.LoginName = "jdoe";
  setup.HeaderLines = {"File : hull.ko2", "Ship : Ocean Star"};
  return setup;
}

// A surface prepared for the report.
struct Report {
  FakePrintSurface surface;
  PageSetup setup = reportSetup();

  explicit Report(SurfaceKind kind = kPrinter) : surface(kind) { prepareSurface(surface, setup); }
};
struct PrintedReport : ::testing::Test, Report {};

TEST(PrintPages, PreparingAPrinterTakesTheReportFontAndMarginAndAPreviewArial8) {
  const struct {
    SurfaceKind kind;
    std::string fontName;
    PrintFont font;
    double margin;
    int counter;
  } cases[] = {{kPrinter, "Arial", {.Name = "Arial", .Size = 9}, 2, 0},
               {kPrinter, "", {.Name = "Courier", .Size = 9}, 2, 0},  // keeps the surface's own
               {kPreview, "Times", {.Name = "Arial", .Size = 8}, 0, 5}};
  for (const auto& c : cases) {
    FakePrintSurface surface(c.kind);
    surface.setFont({.Name = "Courier", .Size = 12, .Bold = true});
    surface.setLeftMargin(1);
    surface.moveTo(3, 4);
    PageSetup setup = reportSetup();
    setup.FontName = c.fontName;
    setup.FontSize = 9;
    setup.PageCounter = 5;
    prepareSurface(surface, setup);
    EXPECT_EQ(surface.font(), c.font) << c.fontName;
    EXPECT_NEAR(surface.leftMargin(), c.margin, kNear);
    EXPECT_EQ(setup.PageCounter, c.counter);
    EXPECT_TRUE(isAt(surface, 0, 0));
  }
}

TEST(PrintPages, LinesFitWhenTheyEndAboveTheBottomMargin) {
  // Printed text stops at 28 - 1.5 = 26.5 cm; a preview's 0.3 cm above the bottom, at 27.7 cm,
  // in Arial 8 (lines 0.4 cm). Only a printed page gets a footer and a header.
  const struct {
    SurfaceKind kind;
    double y;
    int lines;
    bool breaks;
  } cases[] = {{kPrinter, 20, 12, false}, {kPrinter, 20, 13, true},    {kPrinter, 26.4, 0, false},
               {kPrinter, 26.5, 0, true}, {kPrinter, 0, 52, false},    {kPrinter, 0, 53, true},
               {kPrinter, 0, 200, true},  {kPreview, 27.25, 1, false}, {kPreview, 27.35, 1, true},
               {kPreview, 26.6, 1, false}};
  for (const auto& c : cases) {
    Report r(c.kind);
    r.surface.setY(c.y);
    EXPECT_EQ(ensureSpace(r.surface, r.setup, c.lines), c.breaks) << c.y << " + " << c.lines;
    EXPECT_EQ(r.surface.pageNumber(), c.breaks ? 2 : 1);
    EXPECT_EQ(r.surface.drawn.empty(), !c.breaks || c.kind == kPreview);
    EXPECT_FALSE(r.surface.ended);
  }
}

TEST_F(PrintedReport, ABreakPrintsTheFooterThenTheHeaderOfTheNextPage) {
  surface.setY(20);
  ASSERT_TRUE(ensureSpace(surface, setup, 200));
  EXPECT_EQ(setup.PageCounter, 1);
  // The footer stands on the foot margin (27.5): login in 6 points, page in 9 at the right margin,
  // as far from the edge as the left one;
  // the header from the top in italic 9 points (lines 0.45 cm).
  const struct {
    std::string_view text;
    int page;
    double x, y, size;
  } texts[] = {{"jdoe", 1, 2, 27.5 - 0.3, 6},
               {"Page 1", 1, 18 - 6 * 0.225, 27.5 - 0.45, 9},
               {"File : hull.ko2", 2, 2, 0, 9},
               {"Ship : Ocean Star", 2, 2, 0.45, 9}};
  for (const auto& t : texts) {
    const Drawn d = surface.text(t.text);
    EXPECT_EQ(d.Page, t.page) << t.text;
    EXPECT_TRUE(drawnAt(d, t.x, t.y));
    EXPECT_NEAR(d.Font.Size, t.size, kNear) << t.text;
    EXPECT_EQ(d.Font.Italic, t.page == 2) << t.text;
  }
  EXPECT_EQ(surface.lines().back().Page, 2);
  EXPECT_NEAR(surface.lines().back().Y, 0.9 + 0.5 / 3, kNear);
  EXPECT_NEAR(surface.y(), 0.9 + 1.0 / 3, kNear);
  EXPECT_EQ(surface.font(), (PrintFont{.Name = "Arial", .Size = 10}));
}

TEST(PrintPages, TheFooterIsSetSmallerThanTheTextButNeverBelowSixPoints) {
  for (const double size : {4.0, 6.0, 8.0, 9.0, 10.0, 12.0, 72.0}) {
    Report report;
    report.setup.FontSize = size;
    prepareSurface(report.surface, report.setup);
    ensureSpace(report.surface, report.setup, 200);
    for (const std::string_view footer : {"jdoe", "Page 1"}) {
      const double points = report.surface.text(footer).Font.Size;
      SCOPED_TRACE(std::string(footer) + " in a report of " + std::to_string(size) + " points");
      EXPECT_GE(points, 6);
      if (size > 6) {
        EXPECT_LT(points, size);
      } else {
        EXPECT_EQ(points, 6);
      }
    }
  }
}

TEST_F(PrintedReport, WithoutFooterTheFinishedPageGetsNone) {
  ASSERT_TRUE(ensureSpace(surface, setup, 200, true));
  EXPECT_EQ(setup.PageCounter, 0);
  EXPECT_EQ(surface.texts().size(), 2U);  // the header, on page 2
  EXPECT_EQ(surface.pagesOf("File : hull.ko2"), std::vector<int>{2});
}

TEST_F(PrintedReport, WithoutHeaderLinesANewPageStartsAtItsTop) {
  setup.HeaderLines.clear();
  ensureSpace(surface, setup, 200);
  EXPECT_EQ(surface.texts().back().Page, 1);  // the footer
  EXPECT_TRUE(surface.lines().empty());
  EXPECT_NEAR(surface.y(), 0, kNear);
}

TEST(PrintPages, FinishingEndsTheDocumentWithAFooterOnlyOnAPrinter) {
  for (const SurfaceKind kind : {kPrinter, kPreview}) {
    Report r(kind);
    finishDocument(r.surface, r.setup);
    EXPECT_TRUE(r.surface.ended);
    EXPECT_EQ(r.surface.pageNumber(), 1);
    EXPECT_EQ(r.surface.pagesOf("Page 1").size(), kind == kPrinter ? 1U : 0U);
    EXPECT_EQ(r.surface.drawn.size(), kind == kPrinter ? 2U : 0U);
  }
  Report preview(kPreview);  // the marker's lines hand the preview's last page over
  EXPECT_TRUE(ensureSpace(preview.surface, preview.setup, kLastPageLines));
  EXPECT_TRUE(preview.surface.ended);
  EXPECT_EQ(preview.surface.pageNumber(), 1);
}

}  // namespace
}  // namespace korain::testing
