// Label sizes on a device: its sizes in points, scaled by its reduction
// factor, kept readable and never huge.
#include "drawing_style.h"

#include <gtest/gtest.h>

namespace korain::testing {
namespace {

TEST(DrawingStyle, ReductionFactorScalesLabelSizesWithinReadableBounds) {
  struct Case {
    Single factor;
    int nodePoints;
    int expectedPixels;  // at two pixels a point
  };
  for (const Case& c : {Case{0.1F, 9, 18}, Case{0.05F, 10, 10}, Case{0.2F, 9, 36},
                        Case{0.001F, 9, 8}, Case{100.0F, 9, 144}}) {
    DisplayConfig labels = defaultDisplayConfig();
    labels.ReductionFactor = c.factor;
    labels.NodeFontSize = c.nodePoints;
    const DrawingStyle style(labels, 2.0);
    EXPECT_EQ(style.font(LabelKind::Node).pixelSize(), c.expectedPixels) << c.factor;
  }
}

}  // namespace
}  // namespace korain::testing
