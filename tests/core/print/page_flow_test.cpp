// Preparing the surface, page breaks with header and footer, and the end of the
// document, on the fake's 20 x 28 cm area (10 points: lines 0.5 cm high).
#include "print/page_flow.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"

namespace korain::testing {
namespace {

PageSetup reportSetup() {
  PageSetup setup;
  setup.LeftMargin = 2;
  setup.FootMargin = 0.5;
  setup.BottomMargin = 1.5;
  setup.FontName = "Arial";
  setup.FontSize = 10;
  setup.LoginName = "jdoe";
  setup.HeaderLines = {"File : hull.ko2", "Ship : Ocean Star"};
  return setup;
}

struct PrintedReport : ::testing::Test {
  FakePrintSurface surface{SurfaceKind::Printer};
  PageSetup setup = reportSetup();

  PrintedReport() { prepareSurface(surface, setup); }

  std::vector<Drawn> textsOnPage(int page) const {
    std::vector<Drawn> found;
    for (const Drawn& d : surface.texts()) {
      if (d.Page == page) found.push_back(d);
    }
    return found;
  }
};

TEST(PrintPages, PreparingAPrinterTakesTheReportFontAndMarginAndRestartsTheCount) {
  FakePrintSurface surface;
  surface.setFont({.Name = "Courier", .Size = 12, .Bold = true});
  surface.setX(3);
  surface.setY(4);
  PageSetup setup = reportSetup();
  setup.PageCounter = 5;
  prepareSurface(surface, setup);
  EXPECT_EQ(surface.font(), (PrintFont{.Name = "Arial", .Size = 10}));
  EXPECT_NEAR(surface.leftMargin(), 2, kNear);
  EXPECT_EQ(setup.PageCounter, 0);
  EXPECT_NEAR(surface.x(), 0, kNear);
  EXPECT_NEAR(surface.y(), 0, kNear);

  setup.FontName.clear();
  setup.FontSize = 9;
  surface.setFont({.Name = "Courier"});
  prepareSurface(surface, setup);
  EXPECT_EQ(surface.font(), (PrintFont{.Name = "Courier", .Size = 9}));
}

TEST(PrintPages, PreparingAPreviewDrawsFromItsCornerInArial8) {
  FakePrintSurface surface(SurfaceKind::Preview);
  PageSetup setup = reportSetup();
  setup.FontName = "Times";
  setup.PageCounter = 5;
  prepareSurface(surface, setup);
  EXPECT_EQ(surface.font(), (PrintFont{.Name = "Arial", .Size = 8}));
  EXPECT_NEAR(surface.leftMargin(), 0, kNear);
  EXPECT_EQ(setup.PageCounter, 5);
}

TEST(PrintPages, OnlyAClosedPreviewHidesTheOutput) {
  const struct {
    SurfaceKind kind;
    bool visible;
    bool hidden;
  } cases[] = {{SurfaceKind::Printer, true, false},
               {SurfaceKind::Printer, false, false},
               {SurfaceKind::Preview, true, false},
               {SurfaceKind::Preview, false, true}};
  for (const auto& c : cases) {
    FakePrintSurface surface(c.kind);
    surface.visible = c.visible;
    EXPECT_EQ(isOutputHidden(surface), c.hidden);
  }
}

TEST_F(PrintedReport, LinesFitWhenTheyEndAboveTheBottomMargin) {
  // The text stops at 28 - 1.5 = 26.5 cm.
  const struct {
    double y;
    int lines;
    bool breaks;
  } cases[] = {{20, 12, false}, {20, 13, true}, {26.4, 0, false}, {26.5, 0, true},
               {0, 52, false},  {0, 53, true},  {0, 200, true}};
  for (const auto& c : cases) {
    FakePrintSurface fresh;
    PageSetup copy = setup;
    prepareSurface(fresh, copy);
    fresh.setY(c.y);
    EXPECT_EQ(ensureSpace(fresh, copy, c.lines), c.breaks) << c.y << " + " << c.lines;
    EXPECT_EQ(fresh.pageNumber(), c.breaks ? 2 : 1);
    EXPECT_EQ(fresh.drawn.empty(), !c.breaks);
  }
}

TEST_F(PrintedReport, ABreakPrintsTheFooterThenTheHeaderOfTheNextPage) {
  surface.setY(20);
  ASSERT_TRUE(ensureSpace(surface, setup, 200));
  EXPECT_EQ(setup.PageCounter, 1);

  // The footer stands on the foot margin: login in 6 points, page in 9.
  const Drawn login = surface.text("jdoe");
  EXPECT_EQ(login.Page, 1);
  EXPECT_NEAR(login.X, 2, kNear);
  EXPECT_NEAR(login.Y + 0.3, 27.5, kNear);
  EXPECT_NEAR(login.Font.Size, 6, kNear);
  const Drawn page = surface.text("Page 1");
  EXPECT_EQ(page.Page, 1);
  EXPECT_NEAR(page.X + 6 * 0.225, 20, kNear);
  EXPECT_NEAR(page.Y + 0.45, 27.5, kNear);
  EXPECT_NEAR(page.Font.Size, 9, kNear);

  const Drawn file = surface.text("File : hull.ko2");
  const Drawn ship = surface.text("Ship : Ocean Star");
  EXPECT_EQ(file.Page, 2);
  EXPECT_NEAR(file.X, 2, kNear);
  EXPECT_NEAR(file.Y, 0, kNear);
  EXPECT_NEAR(ship.Y, 0.45, kNear);
  EXPECT_TRUE(ship.Font.Italic);
  const Drawn rule = surface.lines().back();
  EXPECT_EQ(rule.Page, 2);
  EXPECT_NEAR(rule.Y, 0.9 + 0.5 / 3, kNear);
  EXPECT_NEAR(surface.y(), 0.9 + 1.0 / 3, kNear);
  EXPECT_EQ(surface.font(), (PrintFont{.Name = "Arial", .Size = 10}));
}

TEST_F(PrintedReport, WithoutFooterTheFinishedPageGetsNone) {
  ASSERT_TRUE(ensureSpace(surface, setup, 200, true));
  EXPECT_TRUE(textsOnPage(1).empty());
  EXPECT_EQ(setup.PageCounter, 0);
  EXPECT_EQ(textsOnPage(2).size(), 2U);  // the header
}

TEST_F(PrintedReport, PagesAreNumberedFromTheFirstPageNumber) {
  setup.FirstPage = 5;
  for (int i = 0; i < 3; ++i) ensureSpace(surface, setup, 200);
  EXPECT_EQ(surface.text("Page 5").Page, 1);
  EXPECT_EQ(surface.text("Page 6").Page, 2);
  EXPECT_EQ(surface.text("Page 7").Page, 3);
  EXPECT_EQ(setup.PageCounter, 3);
}

TEST_F(PrintedReport, WithoutHeaderLinesANewPageStartsAtItsTop) {
  setup.HeaderLines.clear();
  ensureSpace(surface, setup, 200);
  EXPECT_TRUE(textsOnPage(2).empty());
  EXPECT_TRUE(surface.lines().empty());
  EXPECT_NEAR(surface.y(), 0, kNear);
}

TEST_F(PrintedReport, FinishingPrintsTheLastFooterAndEndsTheDocument) {
  finishDocument(surface, setup);
  EXPECT_EQ(surface.text("Page 1").Page, 1);
  EXPECT_TRUE(surface.ended);
  EXPECT_EQ(surface.pageNumber(), 1);
}

TEST(PrintPreviewPages, APreviewPageIsHandedOverPlainNearTheBottom) {
  // The text stops 0.3 cm above the bottom, at 27.7 cm; Arial 8 lines are 0.4 cm high.
  const struct {
    double y;
    bool breaks;
  } cases[] = {{27.25, false}, {27.35, true}, {26.6, false}};
  for (const auto& c : cases) {
    FakePrintSurface surface(SurfaceKind::Preview);
    PageSetup setup = reportSetup();
    prepareSurface(surface, setup);
    surface.setY(c.y);
    EXPECT_EQ(ensureSpace(surface, setup, 1), c.breaks) << c.y;
    EXPECT_EQ(surface.pageNumber(), c.breaks ? 2 : 1);
    EXPECT_TRUE(surface.drawn.empty());
    EXPECT_FALSE(surface.ended);
  }
}

TEST(PrintPreviewPages, TheLastPageMarkerEndsThePreview) {
  FakePrintSurface surface(SurfaceKind::Preview);
  PageSetup setup = reportSetup();
  prepareSurface(surface, setup);
  EXPECT_TRUE(ensureSpace(surface, setup, kLastPageLines));
  EXPECT_TRUE(surface.ended);
  EXPECT_EQ(surface.pageNumber(), 1);

  FakePrintSurface finished(SurfaceKind::Preview);
  finishDocument(finished, setup);
  EXPECT_TRUE(finished.ended);
  EXPECT_TRUE(finished.drawn.empty());
}

}  // namespace
}  // namespace korain::testing
