// The contour of a DXF file read back by dxflib: every vertex where it should
// be, the arcs and rounded corners as bulges turning the right way, and the
// two lines of the axis. Units,
// layers, what the display shows and the names are checked by reading
// korain-cli's DXF of several databases with a DXF library of its own
// (tests/cli/check_dxf.py).
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_writer.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <numbers>

#include "example_scene.h"

namespace korain::testing {
namespace {

struct ReadBack : DL_CreationAdapter {
  std::vector<PathVertex> contour;
  int axisLines = 0;

  void addLine(const DL_LineData&) override {
    if (getAttributes().getLayer() == "AXIS") ++axisLines;
  }

  void addVertex(const DL_VertexData& v) override {
    if (getAttributes().getLayer() == "BULKHEAD_CONTOUR") contour.push_back({{v.x, v.y}, v.bulge});
  }
};

ReadBack written(const DrawingScene& scene) {
  const QTemporaryDir dir;
  const std::string path = dir.filePath("drawing.dxf").toStdString();
  std::string error;
  EXPECT_TRUE(writeDxf(path, worldDrawing(scene, {1600, 1000}), error)) << error;
  ReadBack read;
  EXPECT_TRUE(DL_Dxf().in(path, &read));
  return read;
}

Node node(double y, double z, Long curve = 1, double radius = 0, PlanePoint corner = {}) {
  Node n;
  n.Y = static_cast<Single>(y);
  n.Z = static_cast<Single>(z);
  n.ShCur = curve;
  n.ShR = static_cast<Single>(radius);
  n.ShYT = static_cast<Single>(corner.y);
  n.ShZT = static_cast<Single>(corner.z);
  return n;
}

TEST(DxfWriter, HandMadeContourKeepsNodesAndArcs) {
  Arrangement arrangement;
  Bulkhead bulkhead;
  // A plain quarter arc of R 2 into (7, 2), then a corner at (7, 8) rounded by R 1.
  for (const Node& n :
       {node(0, 0), node(5, 0), node(7, 2, 3, 2), node(7, 6), node(5, 8, 4, 1, {7, 8})}) {
    bulkhead.Nodes.append(n);
  }
  arrangement.Bulkheads.append(bulkhead);
  arrangement = computed(arrangement);
  const ShipData ship;
  const DisplayOptions options;
  const DisplayConfig labels = defaultDisplayConfig();
  const ReadBack read = written({arrangement, nullptr, ship, options, labels});

  const double quarter = std::tan(std::numbers::pi / 8);
  const std::vector<PathVertex> expected = {{{0, 0}, 0}, {{5, 0}, quarter}, {{7, 2}, 0},
                                            {{7, 6}, 0}, {{7, 7}, quarter}, {{6, 8}, 0},
                                            {{5, 8}, 0}};
  ASSERT_EQ(read.contour.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(read.contour[i].point.y, expected[i].point.y, 1e-5) << i;
    EXPECT_NEAR(read.contour[i].point.z, expected[i].point.z, 1e-5) << i;
    EXPECT_NEAR(read.contour[i].bulge, expected[i].bulge, 1e-5) << i;
  }
  EXPECT_EQ(read.axisLines, 2);
}

}  // namespace
}  // namespace korain::testing
