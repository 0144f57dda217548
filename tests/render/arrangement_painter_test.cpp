// The drawing of an arrangement, probed pixel by pixel at known world points:
// which element lands where, in which colour, and what never shows.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "checks/check_modes.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "model/codes.h"
#include "render_test_support.h"

namespace korain::testing {
namespace {

using namespace display_bit;

void showThicknessCheck(Canvas& canvas, Long mode) {
  canvas.options.CheckMode = mode;
  canvas.options.Palette = defaultCheckPalette();
  canvas.options.CurrentLegend =
      buildLegend(canvas.arrangement, check_mode::kThickness, canvas.options.Palette, canvas.ship,
                  [](std::string_view) {});
}

// The current bulkhead is drawn in its own colour, every other one in the
// plain contour colour; with none current, all are plain.
TEST(ArrangementPainter, CurrentBulkheadStandsOutFromTheOthers) {
  struct Case {
    Integer current;
    QColor outer;
    QColor inner;
  };
  for (const Case& c :
       {Case{1, kCurrentColour, kContourColour}, Case{2, kContourColour, kCurrentColour},
        Case{0, kContourColour, kContourColour}}) {
    Canvas canvas;
    canvas.arrangement.Bulkheads.append(rectangle(true, ""));
    canvas.arrangement.Bulkheads.append(
        bulkheadThrough({straightNode(2, 2), straightNode(8, 2), straightNode(8, 6),
                         straightNode(2, 6), straightNode(2, 2)},
                        ""));
    canvas.compute();
    canvas.arrangement.CurBulkhead = c.current;
    const QImage& image = canvas.paint();
    SCOPED_TRACE(c.current);
    for (const auto& [y, z] : {std::pair{5.0, 0.0}, {10.0, 4.0}, {0.0, 4.0}, {5.0, 8.0}}) {
      EXPECT_TRUE(colourNear(image, canvas.pixelAt(y, z), c.outer)) << y << ", " << z;
    }
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(5, 2), c.inner));
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(8, 4), c.inner));
    // Between the contours and around them only the white background.
    for (const auto& [y, z] : {std::pair{1.0, 1.0}, {5.0, 4.0}, {-0.5, -0.5}, {10.5, 8.5}}) {
      EXPECT_TRUE(colourNear(image, canvas.pixelAt(y, z), kWhite, 0, 0)) << y << ", " << z;
    }
  }
}

// Two strake bands coloured by the thickness check. The colour indices stay
// on the strakes when the check is off, so the plain drawing must ignore
// them; in check mode the palette colour wins over the plain strake fill, and
// only then is the legend drawn in the upper right corner.
TEST(ArrangementPainter, StrakeFillFollowsTheStrakeBitAndTheCheckMode) {
  const List<Long> palette = defaultCheckPalette();
  auto translucent = [&](int position) {  // alpha 170 over the white background
    const QColor colour = QColor::fromRgb(static_cast<QRgb>(palette.at(position)));
    auto mix = [](int channel) { return (channel * 170 + 255 * 85) / 255; };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
  };
  // Values are sorted: the thinner upper strake takes the first colour.
  const QColor thin = translucent(1);
  const QColor thick = translucent(2);
  struct Case {
    Long word;
    Long check;
    QColor lower;
    QColor upper;
  };
  for (const Case& c :
       {Case{0, kNoCheck, kWhite, kWhite}, Case{kStrakes, kNoCheck, kStrakeFill, kStrakeFill},
        Case{0, check_mode::kThickness, thick, thin},
        Case{kStrakes, check_mode::kThickness, thick, thin}}) {
    Canvas canvas;
    Bulkhead& bulkhead = canvas.arrangement.Bulkheads.append(rectangle(true, ""));
    bulkhead.StrakeBands.redim(2);
    bulkhead.StrakeBands.at(1).Z = 4;
    bulkhead.StrakeBands.at(1).Strakes.append().Th = 14;
    bulkhead.StrakeBands.at(2).Strakes.append().Th = 10;
    canvas.compute();
    canvas.options.DisplayWord = c.word;
    showThicknessCheck(canvas, c.check);
    ASSERT_EQ(canvas.options.CurrentLegend.size(), 2U);
    const QImage& image = canvas.paint();
    SCOPED_TRACE(::testing::Message() << "word " << c.word << ", check " << c.check);
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(2.5, 1.5), c.lower, 0, 3));
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(2.5, 6.5), c.upper, 0, 3));
    // Beyond the rectangle and inside the device's half-pixel border.
    const QRect corner(446, 1, 34, 35);
    EXPECT_EQ(pixelsLike(image, kWhite, corner) < corner.width() * corner.height(),
              c.check != kNoCheck);
    const QColor swatch = QColor::fromRgb(static_cast<QRgb>(palette.at(1)));
    EXPECT_EQ(pixelsLike(image, swatch, QRect(240, 1, 240, 60), 4) > 0, c.check != kNoCheck);
  }
}

// A horizontal member at z 6 across the rectangle: drawn with its display
// bit, or when the member panel shows the current bulkhead's chosen member.
TEST(ArrangementPainter, MembersShowWithTheirBitOrTheirPanel) {
  constexpr auto kMembersPanel = static_cast<Integer>(ObjectKind::PrimaryMember);
  constexpr auto kNodesPanel = static_cast<Integer>(ObjectKind::Node);
  struct Case {
    Long word;
    Integer panel;
    QColor expected;
  };
  for (const Case& c : {Case{kPrimaryMembers, 0, kMemberColour}, Case{0, 0, kWhite},
                        Case{0, kMembersPanel, kCurrentColour},
                        Case{kPrimaryMembers, kNodesPanel, kMemberColour}}) {
    Canvas canvas;
    Bulkhead& bulkhead = canvas.arrangement.Bulkheads.append(rectangle(true, ""));
    bulkhead.PrimaryMembers.append(member(6, kHorizontal));
    bulkhead.CurPrim = 1;
    canvas.compute();
    canvas.arrangement.CurBulkhead = 1;
    canvas.options.DisplayWord = c.word;
    canvas.options.PanelCode = c.panel;
    const QImage& image = canvas.paint();
    SCOPED_TRACE(::testing::Message() << "word " << c.word << ", panel " << c.panel);
    for (const double y : {2.5, 7.5})
      EXPECT_TRUE(colourNear(image, canvas.pixelAt(y, 6), c.expected)) << y;
  }
}

// Without a section the ship's breadth and depth frame the drawing, to port
// only when a bulkhead reaches there; without both dimensions, no frame.
TEST(ArrangementPainter, ShipFrameStandsInForAMissingSection) {
  constexpr WorldWindow window{-15, -3, 30, 25};  // 16 pixels a metre
  struct Case {
    Single breadth, depth, shift;  // the shift of the rectangle along y
    QColor starboard, deck, port;
  };
  for (const Case& c :
       {Case{24, 10, 0, kHullColour, kHullColour, kWhite},
        Case{24, 10, -5, kHullColour, kHullColour, kHullColour},
        Case{0, 0, 0, kWhite, kWhite, kWhite}, Case{24, 0, 0, kWhite, kWhite, kWhite}}) {
    Canvas canvas;
    canvas.ship.B = c.breadth;
    canvas.ship.D = c.depth;
    for (Node& node : canvas.arrangement.Bulkheads.append(rectangle(true, "")).Nodes)
      node.Y += c.shift;
    canvas.compute();
    const QImage& image = canvas.paint(window);
    SCOPED_TRACE(::testing::Message()
                 << "B " << c.breadth << ", D " << c.depth << ", shift " << c.shift);
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(12, 9, window), c.starboard, 1, 20));
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(9, 10, window), c.deck, 1, 20));
    EXPECT_TRUE(colourNear(image, canvas.pixelAt(-12, 9, window), c.port, 1, 20));
  }
}

// Damaged or empty data and degenerate windows must neither crash nor hang,
// and the background always covers the whole device.
TEST(ArrangementPainter, DegenerateScenesAndWindowsStillPaint) {
  constexpr Single nan = std::numeric_limits<Single>::quiet_NaN();
  struct Scene {
    const char* what;
    std::function<void(Arrangement&)> build;
    bool mostlyWhite;
  };
  const Scene scenes[] = {
      {"no bulkhead", [](Arrangement&) {}, true},
      {"bulkhead without node", [](Arrangement& a) { a.Bulkheads.append(); }, true},
      {"node not a number",
       [](Arrangement& a) { a.Bulkheads.append(rectangle()).Nodes.at(3).Y = nan; }, false},
      {"nodes on one point",
       [](Arrangement& a) {
         a.Bulkheads.append(bulkheadThrough({straightNode(5, 4), straightNode(5, 4)}));
       },
       true}};
  const WorldWindow windows[] = {kRectangleWindow,
                                 {5, 4, 0, 0},
                                 {5, 4, 1e-9, 1e-9},
                                 {-1e9, -1e9, 2e9, 2e9},
                                 {nan, nan, nan, nan}};
  const QRect inside(1, 1, 479, 399);
  for (const Scene& scene : scenes) {
    for (const WorldWindow& window : windows) {
      Canvas canvas;
      scene.build(canvas.arrangement);
      canvas.compute();
      canvas.arrangement.CurBulkhead = 1;
      canvas.options.DisplayWord =
          kStools | kNodes | kNodeNumbers | kPrimaryMembers | kStiffeners | kStrakes | kCorrugation;
      showThicknessCheck(canvas, check_mode::kThickness);
      const QImage& image = canvas.paint(window);
      SCOPED_TRACE(::testing::Message()
                   << scene.what << ", window " << window.left << " " << window.width);
      EXPECT_EQ(pixelsLike(image, Qt::black, inside, 0), 0);
      const int white = pixelsLike(image, kWhite, inside);
      EXPECT_TRUE(!scene.mostlyWhite || white > inside.width() * inside.height() * 9 / 10) << white;
    }
  }
  // The edges away from a broken corner (10, 8) are still drawn.
  Canvas canvas;
  canvas.arrangement.Bulkheads.append(rectangle(true, "")).Nodes.at(3).Z = nan;
  canvas.compute();
  const QImage& image = canvas.paint();
  EXPECT_TRUE(colourNear(image, canvas.pixelAt(5, 0), kCurrentColour) &&
              colourNear(image, canvas.pixelAt(0, 4), kCurrentColour));
}

}  // namespace
}  // namespace korain::testing
