// Rules, section titles and underlined headings, in the fake's metrics
// (10 points: characters 0.25 cm wide, lines 0.5 cm high, 20 cm of width).
#include "print/print_headings.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"

namespace korain::testing {
namespace {

TEST(PrintRules, ARuleLiesAThirdOfALineDownAndTheNextLineAnotherThirdOn) {
  const struct {
    bool fullWidth;
    double x1;
    double x2;
  } cases[] = {{true, 0, 20}, {false, 0, 12}, {false, 3, 9}};
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setX(7);
    surface.setY(1);
    if (c.fullWidth) {
      horizontalRule(surface);
    } else if (c.x1 == 0) {
      horizontalRule(surface, c.x2);
    } else {
      horizontalRule(surface, c.x2, c.x1);
    }
    ASSERT_EQ(surface.lines().size(), 1U);
    const Drawn rule = surface.lines().front();
    EXPECT_NEAR(rule.X, c.x1, kNear);
    EXPECT_NEAR(rule.X2, c.x2, kNear);
    EXPECT_NEAR(rule.Y, 1 + 0.5 / 3, kNear);
    EXPECT_NEAR(rule.Y2, rule.Y, kNear);
    EXPECT_NEAR(surface.y(), 1 + 1.0 / 3, kNear);
    EXPECT_NEAR(surface.x(), 0, kNear);
  }
}

TEST(PrintRules, AFullRuleStopsAtTheRightEdgeOfAMarginedPage) {
  FakePrintSurface surface;
  surface.setLeftMargin(2);
  horizontalRule(surface);
  EXPECT_NEAR(surface.lines().front().X, 2, kNear);
  EXPECT_NEAR(surface.lines().front().X2, 20, kNear);
}

TEST(PrintTitles, ATitleIsBoldLargerAndCentredOnItsWidth) {
  // "Title" in 12 points is 1.5 cm wide and 0.6 cm high.
  const struct {
    double width;
    double increase;
    double x;
    double size;
    double lineHeight;
  } cases[] = {
      {20, 2, 9.25, 12, 0.6}, {10, 2, 4.25, 12, 0.6}, {10, 4, 4.125, 14, 0.7}, {10, 0, 0, 10, 0.5}};
  for (const auto& c : cases) {
    FakePrintSurface surface;
    surface.setX(3);
    surface.setY(2);
    printSectionTitle(surface, "Title", c.width, c.increase);
    const Drawn title = surface.text("Title");
    EXPECT_NEAR(title.X, c.x, kNear) << c.width << " " << c.increase;
    EXPECT_NEAR(title.Y, 2, kNear);
    EXPECT_TRUE(title.Font.Bold);
    EXPECT_NEAR(title.Font.Size, c.size, kNear);
    EXPECT_NEAR(surface.y(), 2 + c.lineHeight, kNear);
    EXPECT_NEAR(surface.x(), 0, kNear);
    EXPECT_EQ(surface.font(), PrintFont{});
  }
}

TEST(PrintTitles, ByDefaultATitleIsCentredOnThePrintableWidth) {
  FakePrintSurface surface;
  surface.setLeftMargin(2);
  printSectionTitle(surface, "Title");
  EXPECT_NEAR(surface.text("Title").X, 2 + (18 - 1.5) / 2, kNear);
}

TEST(PrintTitles, AnUnderlinedHeadingHasTwoRulesUnderItsText) {
  FakePrintSurface surface;
  surface.setY(4);
  printUnderlinedHeading(surface, "Forward compartment :", 21);
  const Drawn heading = surface.text("Forward compartment :");
  EXPECT_NEAR(heading.X, 5, kNear);
  EXPECT_NEAR(heading.Y, 4, kNear);
  const std::vector<Drawn> rules = surface.lines();
  ASSERT_EQ(rules.size(), 2U);
  const double ys[] = {4.5, 4 + 0.5 * 7 / 6};
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(rules[i].X, 5, kNear);
    EXPECT_NEAR(rules[i].X2, 5 + 21 * 0.25, kNear);
    EXPECT_NEAR(rules[i].Y, ys[i], kNear);
    EXPECT_NEAR(rules[i].Y2, ys[i], kNear);
  }
  EXPECT_NEAR(surface.y(), 4.75, kNear);
  EXPECT_NEAR(surface.x(), 0, kNear);
}

}  // namespace
}  // namespace korain::testing
