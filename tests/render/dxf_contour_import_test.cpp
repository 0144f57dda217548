// DXF contours read back into nodes: files written by another program (ezdxf,
// tests/data/dxf/make_fixtures.py) pass through every point they were drawn
// through, and every example bulkhead comes back from our own export node for node.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_contour_import.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>

#include "../core/geometry/geometry_test_support.h"
#include "dxf_writer.h"
#include "example_scene.h"

namespace korain::testing {
namespace {

const std::string kFixtures = KORAIN_TEST_DATA "/dxf/";
const double kRoot2 = std::sqrt(0.5);

struct FixtureCase {
  const char* file;
  const char* layer;
  std::vector<Long> codes;
  bool closed;
  int candidates;
  // Points the drawing passes through, worked out by hand from how the file
  // was drawn: ends of pieces and the middles of arcs, in metres.
  std::vector<PlanePoint> through;
};

TEST(DxfContourImport, FilesOfAnotherProgramComeInThroughTheirPoints) {
  const std::vector<FixtureCase> cases = {
      {"bulges.dxf",
       "",
       {0, 1, 3, 1, 3, 1},
       false,
       1,
       {{0, 1.8},
        {8, 1.8},
        {8 + 2 * kRoot2, 3.8 - 2 * kRoot2},
        {10, 3.8},
        {10, 10},
        {10 - 2 * kRoot2, 12 - 2 * kRoot2},
        {8, 12},
        {0, 12}}},
      {"big_arcs.dxf",
       "",
       {0, 1, 3, 3, 1, 3, 3},
       false,
       1,
       {{0, 0}, {4, 0}, {6, 2}, {4, 4}, {2, 2}, {2, 6}, {2 - std::sqrt(3) / 2, 7.5}, {2, 8}}},
      {"line_arc_chain.dxf",
       "0",
       {0, 1, 3, 1, 1, 1, 3},
       true,
       1,
       {{1, 0},
        {6, 0},
        {6 + kRoot2, 1 - kRoot2},
        {7, 1},
        {7, 5},
        {0, 5},
        {0, 1},
        {1 - kRoot2, 1 - kRoot2}}},
      {"millimetres.dxf",
       "",
       {0, 1, 3, 1, 1},
       false,
       1,
       {{0, 1.8}, {8, 1.8}, {8 + 2 * kRoot2, 3.8 - 2 * kRoot2}, {10, 3.8}, {10, 18}, {0, 18}}},
      {"closed_polyline.dxf",
       "",
       {0, 1, 1, 3, 3, 1},
       true,
       1,
       {{0, 0}, {4, 0}, {4, 4}, {2, 6}, {0, 4}}},
      {"layers.dxf", "", {0, 1, 1}, false, 2, {{0, 0}, {20, 0}, {20, 20}}},
      {"layers.dxf", "CONTOUR", {0, 1, 1}, false, 1, {{0, 1}, {5, 1}, {5, 6}}},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.layer);
    const DxfContour contour = importDxfContour(kFixtures + c.file, c.layer);
    ASSERT_TRUE(contour.refusal.empty()) << contour.refusal;
    std::vector<Long> codes;
    for (const Node& node : contour.nodes) codes.push_back(node.ShCur);
    // A closed chain starts where its first piece in the file did, so only
    // the codes' multiset is the file's; a closed one ends on its first node.
    if (c.closed) {
      std::ranges::sort(codes);
      std::vector<Long> expected = c.codes;
      std::ranges::sort(expected);
      EXPECT_EQ(codes, expected);
      EXPECT_TRUE(isSamePoint(pointOf(contour.nodes.first()), pointOf(contour.nodes.last()),
                              kGeometryTolerance));
    } else {
      EXPECT_EQ(codes, c.codes);
    }
    EXPECT_EQ(contour.closed, c.closed);
    EXPECT_EQ(contour.candidates, c.candidates);
    const std::vector<PlanePoint> drawn = drawnContour(contour.nodes);
    ASSERT_FALSE(drawn.empty());
    for (const PlanePoint p : c.through) {
      EXPECT_LE(distanceToPolyline(p, drawn), 0.001) << p.y << ", " << p.z;
    }
  }
}

// Each bulkhead of the example alone in its arrangement, drawn to a DXF file
// by our export and read back from the contour's layer.
TEST(DxfContourImport, ExampleBulkheadsComeBackNodeForNode) {
  for (const Integer block : {Integer{1}, Integer{2}}) {
    const ExampleScene example(block);
    for (int k = 1; k <= example.arrangement.Bulkheads.count(); ++k) {
      SCOPED_TRACE("arrangement " + std::to_string(block) + " bulkhead " + std::to_string(k));
      ExampleScene alone(block);
      alone.arrangement.Bulkheads = {};
      alone.arrangement.Bulkheads.append(example.arrangement.Bulkheads.at(k));
      alone.arrangement.CurBulkhead = 1;
      const QTemporaryDir dir;
      const std::string path = dir.filePath("bulkhead.dxf").toStdString();
      std::string error;
      ASSERT_TRUE(writeDxf(path, worldDrawing(alone.scene(), {1600, 1000}), error)) << error;
      const DxfContour contour = importDxfContour(path, "BULKHEAD_CONTOUR");
      const List<Node>& nodes = example.arrangement.Bulkheads.at(k).Nodes;
      ASSERT_EQ(contour.nodes.count(), nodes.count()) << contour.refusal;
      for (int i = 1; i <= nodes.count(); ++i) {
        const Node& was = nodes.at(i);
        const Node& back = contour.nodes.at(i);
        SCOPED_TRACE("node " + std::to_string(i));
        EXPECT_NEAR(back.Y, was.Y, 0.001);
        EXPECT_NEAR(back.Z, was.Z, 0.001);
        ASSERT_EQ(isArcCode(back.ShCur), isArcCode(was.ShCur));
        if (!isArcCode(was.ShCur)) continue;
        EXPECT_NEAR(back.ShR, was.ShR, 0.001);
        EXPECT_NEAR(back.ShYT, was.ShYT, 0.001);
        EXPECT_NEAR(back.ShZT, was.ShZT, 0.001);
      }
    }
  }
}

// Files written here hold what dxflib must never be given: a count it would
// size an array by, and a line longer than its buffer.
TEST(DxfContourImport, RefusalNamesTheFileAndWhatWasMissing) {
  const QTemporaryDir dir;
  const auto written = [&dir](const char* name, const std::string& bytes) {
    const std::string path = dir.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  };
  const std::string entities = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n";
  const struct {
    std::string path;
    std::string layer;
    std::string refusal;
  } cases[] = {
      {kFixtures + "no_chain.dxf", "",
       "no_chain.dxf: no polyline, line or arc of two distinct points"},
      {kFixtures + "miles.dxf", "", "miles.dxf: the drawing is in miles"},
      {kFixtures + "layers.dxf", "HOLD",
       "layers.dxf: no polyline, line or arc of two distinct points on layer \"HOLD\""},
      {kFixtures + "make_fixtures.py", "",
       "make_fixtures.py: no polyline, line or arc to make a contour of"},
      {kFixtures + "none.dxf", "", "none.dxf: it cannot be opened"},
      {written("count.dxf", entities + "90\n2000000000\n10\n1\n20\n2\n0\nEOF\n"), "",
       "count.dxf: line 8 gives a LWPOLYLINE a count of 2000000000, which the file cannot hold"},
      {written("negative.dxf", entities + "90\n-3\n0\nEOF\n"), "", "a count of -3"},
      {written("long.dxf", entities + "8\n" + std::string(1001, 'A') + "\n0\nEOF\n"), "",
       "long.dxf: line 8 is longer than 1000 characters"},
  };
  for (const auto& c : cases) {
    const DxfContour contour = importDxfContour(c.path, c.layer);
    EXPECT_FALSE(contour.nodes.isDimensioned()) << c.path;
    EXPECT_NE(contour.refusal.find(c.refusal), std::string::npos) << contour.refusal;
  }
}

}  // namespace
}  // namespace korain::testing
