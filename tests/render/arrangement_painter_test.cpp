// The drawing of an arrangement, probed pixel by pixel at known world points: which element lands
// where, in which colour, and what never shows.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>

#include "../core/geometry/geometry_test_support.h"
#include "checks/check_modes.h"
#include "checks/legend.h"
#include "checks/palette.h"
#include "example_scene.h"
#include "model/codes.h"
#include "world_transform.h"

namespace korain::testing {
namespace {

using namespace display_bit;

const QColor kWhite(255, 255, 255);
const QColor kContourColour(24, 39, 66);
const QColor kCurrentColour(0, 94, 184);
const QColor kMemberColour(120, 28, 28);
const QColor kStrakeFill(235, 240, 247);
const QColor kHullColour(150, 156, 165);

int colourDistance(QColor a, QColor b) {
  return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                   std::abs(a.blue() - b.blue())});
}

int pixelsLike(const QImage& image, QColor colour, QRect area, int tolerance = 8) {
  int count = 0;
  area = area.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += colourDistance(image.pixelColor(x, y), colour) <= tolerance;
  }
  return count;
}

// A scene painted over black, which the painter must cover with white; by default the rectangle
// 0..10 x 0..8 with a one-metre border at 40 pixels a metre. The half-pixel offset puts lines on
// whole metres on pixel centres, in their full colour through the anti-aliasing.
struct Canvas {
  Arrangement arrangement;
  ShipData ship;
  DisplayOptions options;
  DisplayConfig labels = defaultDisplayConfig();
  QRectF device{0.5, 0.5, 480, 400};
  WorldWindow window{-1, -1, 12, 10};
  QImage image;

  Canvas() { options.DisplayWord = 0; }
  Bulkhead& addRectangle() { return arrangement.Bulkheads.append(rectangle(true, "")); }
  void compute() { arrangement = computed(arrangement); }
  const QImage& paint() {
    image = QImage(481, 401, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintArrangement(painter, device, window, {arrangement, nullptr, ship, options, labels}, 1);
    return image;
  }
  // Whether a pixel within `radius` of the world point has the colour, within `tolerance` in
  // every channel: anti-aliasing may move a thin line's full colour by a pixel.
  bool shows(double y, double z, QColor colour, int radius = 2, int tolerance = 16) const {
    const QPoint at = worldToDevice(window, device).map(QPointF(y, z)).toPoint();
    const QRect around(at - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1));
    return pixelsLike(image, colour, around, tolerance) > 0;
  }
  void showThicknessCheck(Long mode) {
    options.CheckMode = mode;
    options.Palette = defaultCheckPalette();
    options.CurrentLegend = buildLegend(arrangement, check_mode::kThickness, options.Palette, ship,
                                        [](std::string_view) {});
  }
};

// The current bulkhead in its own colour, every other one plain; with none current, all plain.
TEST(ArrangementPainter, CurrentBulkheadStandsOutFromTheOthers) {
  const struct {
    Integer current;
    QColor outer, inner;
  } cases[] = {{1, kCurrentColour, kContourColour},
               {2, kContourColour, kCurrentColour},
               {0, kContourColour, kContourColour}};
  for (const auto& c : cases) {
    Canvas canvas;
    canvas.addRectangle();
    canvas.arrangement.Bulkheads.append(
        bulkheadThrough({straightNode(2, 2), straightNode(8, 2), straightNode(8, 6),
                         straightNode(2, 6), straightNode(2, 2)},
                        ""));
    canvas.compute();
    canvas.arrangement.CurBulkhead = c.current;
    canvas.paint();
    SCOPED_TRACE(c.current);
    for (const auto& [y, z] : {std::pair{5.0, 0.0}, {10.0, 4.0}, {0.0, 4.0}, {5.0, 8.0}})
      EXPECT_TRUE(canvas.shows(y, z, c.outer)) << y << ", " << z;
    EXPECT_TRUE(canvas.shows(5, 2, c.inner) && canvas.shows(8, 4, c.inner));
    // Between the contours and around them only the white background.
    for (const auto& [y, z] : {std::pair{1.0, 1.0}, {5.0, 4.0}, {-0.5, -0.5}, {10.5, 8.5}})
      EXPECT_TRUE(canvas.shows(y, z, kWhite, 0, 0)) << y << ", " << z;
  }
}

// Two strake bands: the colour indices stay on the strakes when the check is off, and the plain
// drawing must ignore them; in check mode the palette colour wins over the plain strake fill, and
// only then is the legend drawn in the upper right corner.
TEST(ArrangementPainter, StrakeFillFollowsTheStrakeBitAndTheCheckMode) {
  const List<Long> palette = defaultCheckPalette();
  // Values are sorted: the thinner upper strake takes the first colour, exactly.
  const QColor thin = QColor::fromRgb(static_cast<QRgb>(palette.at(1)));
  const QColor thick = QColor::fromRgb(static_cast<QRgb>(palette.at(2)));
  const struct {
    Long word, check;
    QColor lower, upper;
  } cases[] = {{0, kNoCheck, kWhite, kWhite},
               {kStrakes, kNoCheck, kStrakeFill, kStrakeFill},
               {0, check_mode::kThickness, thick, thin},
               {kStrakes, check_mode::kThickness, thick, thin}};
  for (const auto& c : cases) {
    Canvas canvas;
    Bulkhead& bulkhead = canvas.addRectangle();
    bulkhead.StrakeBands.redim(2);
    bulkhead.StrakeBands.at(1).Z = 4;
    bulkhead.StrakeBands.at(1).Strakes.append().Th = 14;
    bulkhead.StrakeBands.at(2).Strakes.append().Th = 10;
    canvas.compute();
    canvas.options.DisplayWord = c.word;
    canvas.showThicknessCheck(c.check);
    ASSERT_EQ(canvas.options.CurrentLegend.size(), 2U);
    const QImage& image = canvas.paint();
    SCOPED_TRACE(::testing::Message() << "word " << c.word << ", check " << c.check);
    EXPECT_TRUE(canvas.shows(2.5, 1.5, c.lower, 0, 0));
    EXPECT_TRUE(canvas.shows(2.5, 6.5, c.upper, 0, 0));
    // Beyond the rectangle and inside the device's half-pixel border.
    const QRect corner(446, 1, 34, 35);
    EXPECT_EQ(pixelsLike(image, kWhite, corner) < corner.width() * corner.height(),
              c.check != kNoCheck);
    const QColor swatch = QColor::fromRgb(static_cast<QRgb>(palette.at(1)));
    EXPECT_EQ(pixelsLike(image, swatch, QRect(240, 1, 240, 60), 4) > 0, c.check != kNoCheck);
  }
}

// A horizontal member at z 6, drawn with its display bit, or when the member panel shows the
// current bulkhead's chosen member.
TEST(ArrangementPainter, MembersShowWithTheirBitOrTheirPanel) {
  const struct {
    Long word;
    PanelCode panel;
    QColor expected;
  } cases[] = {{kPrimaryMembers, PanelCode::Display, kMemberColour},
               {0, PanelCode::Display, kWhite},
               {0, PanelCode::PrimaryMembers, kCurrentColour},
               {kPrimaryMembers, PanelCode::Nodes, kMemberColour}};
  for (const auto& c : cases) {
    Canvas canvas;
    Bulkhead& bulkhead = canvas.addRectangle();
    bulkhead.PrimaryMembers.append(member(6, kHorizontal));
    bulkhead.CurPrim = 1;
    canvas.compute();
    canvas.arrangement.CurBulkhead = 1;
    canvas.options.DisplayWord = c.word;
    canvas.options.CurrentPanel = c.panel;
    canvas.paint();
    SCOPED_TRACE(::testing::Message()
                 << "word " << c.word << ", panel " << static_cast<int>(c.panel));
    EXPECT_TRUE(canvas.shows(2.5, 6, c.expected) && canvas.shows(7.5, 6, c.expected));
  }
}

// On the stiffeners panel: the members drawn thin as the spans' supports
// unless the option is off, the current interval's span of a selected
// stiffener in its own colour, and the wizard's row dashed in it.
TEST(ArrangementPainter, TheStiffenersPanelShowsSupportsTheCurrentSpanAndTheRow) {
  const QColor kMarked(230, 120, 0);
  for (const bool supports : {true, false}) {
    Canvas canvas;
    Bulkhead& bulkhead = canvas.addRectangle();
    bulkhead.stfHV = kVertical;
    bulkhead.PrimaryMembers.append(member(6, kHorizontal));
    bulkhead.Stiffeners.append(stiffener(5)).Selected = true;
    bulkhead.CurSpan = 2;  // above the member
    canvas.compute();
    canvas.arrangement.CurBulkhead = 1;
    canvas.options.CurrentPanel = PanelCode::OrdinaryStiffeners;
    canvas.options.SupportsWhileEditingStiffeners = supports;
    canvas.options.RowPreview = {2};
    canvas.paint();
    SCOPED_TRACE(supports);
    const QTransform toDevice = worldToDevice(canvas.window, canvas.device);
    // The thin line is anti-aliased: anything but the paper shows it.
    const QRect member(toDevice.map(QPointF(7.5, 6)).toPoint() - QPoint(0, 2), QSize(1, 5));
    EXPECT_EQ(pixelsLike(canvas.image, kWhite, member, 0) < 5, supports);
    EXPECT_TRUE(canvas.shows(5, 7, kMarked) && canvas.shows(5, 3, kCurrentColour));
    EXPECT_FALSE(canvas.shows(5, 3, kMarked));
    const QRect row(toDevice.map(QPointF(1.9, 7.5)).toPoint(),
                    toDevice.map(QPointF(2.1, 0.5)).toPoint());
    const int dashes = pixelsLike(canvas.image, kMarked, row, 24);
    EXPECT_TRUE(dashes > 50 && dashes < row.height() * 3) << dashes;  // dashed: gaps between
  }
}

// Without a section the ship's breadth and depth frame the drawing, to port only when a bulkhead
// reaches there; without both dimensions, no frame.
TEST(ArrangementPainter, ShipFrameStandsInForAMissingSection) {
  const struct {
    Single breadth, depth, shift;  // the shift of the rectangle along y
    QColor starboard, deck, port;
  } cases[] = {{24, 10, 0, kHullColour, kHullColour, kWhite},
               {24, 10, -5, kHullColour, kHullColour, kHullColour},
               {0, 0, 0, kWhite, kWhite, kWhite},
               {24, 0, 0, kWhite, kWhite, kWhite}};
  for (const auto& c : cases) {
    Canvas canvas;
    canvas.window = {-15, -3, 30, 25};  // 16 pixels a metre
    canvas.ship.B = c.breadth;
    canvas.ship.D = c.depth;
    for (Node& node : canvas.addRectangle().Nodes) node.Y += c.shift;
    canvas.compute();
    canvas.paint();
    SCOPED_TRACE(::testing::Message()
                 << "B " << c.breadth << ", D " << c.depth << ", shift " << c.shift);
    EXPECT_TRUE(canvas.shows(12, 9, c.starboard, 1, 20));
    EXPECT_TRUE(canvas.shows(9, 10, c.deck, 1, 20));
    EXPECT_TRUE(canvas.shows(-12, 9, c.port, 1, 20));
  }
}

// Damaged or empty data and degenerate windows must neither crash nor hang, and the background
// always covers the whole device.
TEST(ArrangementPainter, DegenerateScenesAndWindowsStillPaint) {
  constexpr Single nan = std::numeric_limits<Single>::quiet_NaN();
  const struct {
    const char* what;
    std::function<void(Arrangement&)> build;
    bool mostlyWhite;
  } scenes[] = {
      {"no bulkhead", [](Arrangement&) {}, true},
      {"bulkhead without node", [](Arrangement& a) { a.Bulkheads.append(); }, true},
      {"node not a number",
       [](Arrangement& a) { a.Bulkheads.append(rectangle()).Nodes.at(3).Y = nan; }, false},
      {"nodes on one point",
       [](Arrangement& a) {
         a.Bulkheads.append(bulkheadThrough({straightNode(5, 4), straightNode(5, 4)}));
       },
       true}};
  const WorldWindow windows[] = {{-1, -1, 12, 10},
                                 {5, 4, 0, 0},
                                 {5, 4, 1e-9, 1e-9},
                                 {-1e9, -1e9, 2e9, 2e9},
                                 {nan, nan, nan, nan}};
  const QRect inside(1, 1, 479, 399);
  for (const auto& scene : scenes) {
    for (const WorldWindow& window : windows) {
      Canvas canvas;
      canvas.window = window;
      scene.build(canvas.arrangement);
      canvas.compute();
      canvas.arrangement.CurBulkhead = 1;
      canvas.options.DisplayWord =
          kStools | kNodes | kNodeNumbers | kPrimaryMembers | kStiffeners | kStrakes | kCorrugation;
      canvas.showThicknessCheck(check_mode::kThickness);
      const QImage& image = canvas.paint();
      SCOPED_TRACE(::testing::Message()
                   << scene.what << ", window " << window.left << " " << window.width);
      EXPECT_EQ(pixelsLike(image, Qt::black, inside, 0), 0);
      const int white = pixelsLike(image, kWhite, inside);
      EXPECT_TRUE(!scene.mostlyWhite || white > inside.width() * inside.height() * 9 / 10) << white;
    }
  }
  // The edges away from a broken corner (10, 8) are still drawn.
  Canvas canvas;
  canvas.addRectangle().Nodes.at(3).Z = nan;
  canvas.compute();
  canvas.paint();
  EXPECT_TRUE(canvas.shows(5, 0, kCurrentColour) && canvas.shows(0, 4, kCurrentColour));
}

}  // namespace
}  // namespace korain::testing
