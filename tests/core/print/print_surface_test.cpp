// The surface's own bookkeeping: the position and the left margin.
#include "print/print_surface.h"

#include <gtest/gtest.h>

#include "fake_print_surface.h"

namespace korain::testing {
namespace {

TEST(PrintSurface, PrintMovesAlongTheLineAndNewLineReturnsToTheMargin) {
  FakePrintSurface surface;
  surface.setLeftMargin(2);
  surface.setX(1);
  surface.setY(3);
  surface.print("abcd");
  EXPECT_NEAR(surface.x(), 2, kNear);
  surface.newLine();
  EXPECT_NEAR(surface.x(), 0, kNear);
  EXPECT_NEAR(surface.y(), 3.5, kNear);
  const Drawn text = surface.text("abcd");
  EXPECT_NEAR(text.X, 3, kNear);  // drawn from the area's edge: margin + x
  EXPECT_NEAR(text.Y, 3, kNear);
}

TEST(PrintSurface, TheLeftMarginShiftsLinesAndRectanglesAndNarrowsTheWidth) {
  FakePrintSurface surface;
  surface.setLeftMargin(1.5);
  EXPECT_NEAR(surface.width(), 18.5, kNear);
  surface.drawLine(0, 1, 4, 2);
  surface.drawRect(1, 2, 3, 4);
  ASSERT_EQ(surface.drawn.size(), 2U);
  EXPECT_NEAR(surface.drawn[0].X, 1.5, kNear);
  EXPECT_NEAR(surface.drawn[0].X2, 5.5, kNear);
  EXPECT_NEAR(surface.drawn[1].X, 2.5, kNear);
  EXPECT_NEAR(surface.drawn[1].X2, 3, kNear);  // the width is not shifted
}

}  // namespace
}  // namespace korain::testing
