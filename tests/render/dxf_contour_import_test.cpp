// DXF contours read back into nodes: files written by another program (ezdxf,
// tests/data/dxf/make_fixtures.py) pass through every point they were drawn
// through, and every example bulkhead comes back from our own export node for node.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_contour_import.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "../core/geometry/geometry_test_support.h"
#include "dxf_writer.h"
#include "example_scene.h"

namespace korain::testing {
namespace {

const std::string kFixtures = KORAIN_TEST_DATA "/dxf/";
const double kR = std::sqrt(2.0);  // 2 m round at 45 degrees: 2 - kR off each axis

TEST(DxfContourImport, FilesOfAnotherProgramComeInThroughTheirPoints) {
  const struct {
    const char* file;
    const char* layer;
    int nodes;
    int arcNodes;
    bool closed;
    // Ends of pieces and middles of arcs, in metres, worked out from how the file was drawn.
    std::vector<PlanePoint> through;
  } cases[] = {
      {"bulges.dxf",
       "",
       6,
       2,
       false,
       {{0, 1.8}, {8 + kR, 3.8 - kR}, {10, 10}, {10 - kR, 12 - kR}, {0, 12}}},
      {"big_arcs.dxf",
       "",
       7,
       4,
       false,
       {{4, 0}, {6, 2}, {4, 4}, {2, 2}, {2 - std::sqrt(0.75), 7.5}, {2, 8}}},
      {"line_arc_chain.dxf",
       "0",
       7,
       2,
       true,
       {{6 + kR / 2, 1 - kR / 2}, {7, 5}, {0, 1}, {1 - kR / 2, 1 - kR / 2}}},
      {"millimetres.dxf", "", 5, 1, false, {{0, 1.8}, {8 + kR, 3.8 - kR}, {10, 18}, {0, 18}}},
      {"closed_polyline.dxf", "", 6, 2, true, {{4, 0}, {4, 4}, {2, 6}, {0, 4}}},
      {"layers.dxf", "", 3, 0, false, {{0, 0}, {20, 0}, {20, 20}}},
      {"layers.dxf", "CONTOUR", 3, 0, false, {{0, 1}, {5, 1}, {5, 6}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.layer);
    const DxfContour contour = importDxfContour(kFixtures + c.file, c.layer);
    ASSERT_EQ(contour.nodes.count(), c.nodes) << contour.refusal;
    EXPECT_EQ(std::ranges::count(contour.nodes, kCurveArc, &Node::ShCur), c.arcNodes);
    EXPECT_EQ(contour.closed, c.closed);
    const std::vector<PlanePoint> drawn = drawnContour(contour.nodes);
    ASSERT_FALSE(drawn.empty());
    for (const PlanePoint p : c.through)
      EXPECT_LE(distanceToPolyline(p, drawn), 0.001) << p.y << ", " << p.z;
  }
}

// Each bulkhead of the example alone in its arrangement, drawn to a DXF file by
// our export and read back from the contour's layer.
TEST(DxfContourImport, ExampleBulkheadsComeBackNodeForNode) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block);
    for (int k = 1; k <= example.arrangement.Bulkheads.count(); ++k) {
      ExampleScene alone(block);
      alone.arrangement.Bulkheads = {};
      alone.arrangement.Bulkheads.append(example.arrangement.Bulkheads.at(k));
      alone.arrangement.CurBulkhead = 1;
      const QTemporaryDir dir;
      const std::string path = dir.filePath("bulkhead.dxf").toStdString();
      std::string error;
      ASSERT_TRUE(writeDxf(path, worldDrawing(alone.scene(), {1600, 1000}), error)) << error;
      const List<Node>& nodes = example.arrangement.Bulkheads.at(k).Nodes;
      const List<Node> back = importDxfContour(path, "BULKHEAD_CONTOUR").nodes;
      ASSERT_EQ(back.count(), nodes.count()) << block << "/" << k;
      for (int i = 1; i <= nodes.count(); ++i) {
        const Node& was = nodes.at(i);
        const Node& is = back.at(i);
        const std::vector<double> expected = {was.Y, was.Z, was.ShR, was.ShYT, was.ShZT};
        const std::vector<double> actual = {is.Y, is.Z, is.ShR, is.ShYT, is.ShZT};
        EXPECT_EQ(isArcCode(is.ShCur), isArcCode(was.ShCur)) << block << "/" << k << "/" << i;
        for (std::size_t v = 0; v < expected.size(); ++v)
          EXPECT_NEAR(actual[v], expected[v], 0.001) << i;
      }
    }
  }
}

// The files written here are never given to dxflib: one too large to hold in
// memory twice, a count it would size an array by, a line longer than its buffer.
TEST(DxfContourImport, RefusalNamesTheFileAndWhatWasMissing) {
  const QTemporaryDir dir;
  const auto written = [&dir](const char* name, const std::string& entity) {
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path) << "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n" << entity << "0\nEOF\n";
    return path;
  };
  const std::string huge = written("huge.dxf", "");
  std::filesystem::resize_file(huge, std::uintmax_t{257} << 20);  // sparse: takes no room
  const std::pair<std::string, std::string> cases[] = {
      {huge, "huge.dxf: it is larger than the 256 MB a drawing can be"},
      {kFixtures + "no_chain.dxf", "no_chain.dxf: no polyline, line or arc of two distinct points"},
      {kFixtures + "miles.dxf", "miles.dxf: the drawing is in miles"},
      {kFixtures + "make_fixtures.py", "make_fixtures.py: no polyline, line or arc to make"},
      {kFixtures + "none.dxf", "none.dxf: it cannot be opened"},
      {written("count.dxf", "90\n2000000000\n"),
       "count.dxf: line 8 gives a LWPOLYLINE a count of 2000000000"},
      {written("negative.dxf", "90\n-3\n"), "a count of -3, which the file cannot hold"},
      {written("long.dxf", "8\n" + std::string(1001, 'A') + "\n"),
       "line 8 is longer than 1000 characters"},
  };
  for (const auto& [path, refusal] : cases) {
    const DxfContour contour = importDxfContour(path, "");
    EXPECT_FALSE(contour.nodes.isDimensioned()) << path;
    EXPECT_NE(contour.refusal.find(refusal), std::string::npos) << contour.refusal;
  }
}

}  // namespace
}  // namespace korain::testing
