// The DXF file read back by dxflib: units, layers, contour vertices with their
// arcs as bulges, stiffeners as lines and the bulkheads' names as texts.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf_writer.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

#include "example_scene.h"

namespace korain::testing {
namespace {

struct ReadBack : DL_CreationAdapter {
  int units = 0;
  std::set<std::string> layers;
  std::map<std::string, int> lines;  // by layer
  std::vector<PathVertex> contour;
  std::set<std::string> texts;

  void setVariableInt(const std::string& key, int value, int) override {
    if (key == "$INSUNITS") units = value;
  }
  void addLayer(const DL_LayerData& data) override { layers.insert(data.name); }
  void addLine(const DL_LineData&) override { ++lines[getAttributes().getLayer()]; }
  void addVertex(const DL_VertexData& v) override {
    if (getAttributes().getLayer() == "BULKHEAD_CONTOUR") contour.push_back({{v.x, v.y}, v.bulge});
  }
  void addText(const DL_TextData& data) override { texts.insert(data.text); }
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
  bulkhead.Name = "Hand-made";
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

  EXPECT_EQ(read.units, 6);
  for (const char* layer : {"HULL_SECTION", "BULKHEAD_CONTOUR", "PRIMARY_MEMBERS", "STIFFENERS",
                            "BRACKETS", "STRAKES", "CORRUGATION", "AXIS", "LABELS"}) {
    EXPECT_TRUE(read.layers.contains(layer)) << layer;
  }
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
  EXPECT_TRUE(read.texts.contains("Hand-made"));
  EXPECT_EQ(read.lines.count("STIFFENERS"), 0U);
}

TEST(DxfWriter, ExampleHoldsWhatTheDisplayShows) {
  const struct {
    Long word;
    bool stiffeners;
  } cases[] = {{display_bit::kAxis | display_bit::kStiffeners, true}, {display_bit::kAxis, false}};
  for (const auto& c : cases) {
    const ExampleScene example(1, c.word);
    const ReadBack read = written(example.scene());
    EXPECT_EQ(read.lines.contains("STIFFENERS"), c.stiffeners) << c.word;
    EXPECT_EQ(read.lines.at("AXIS"), 2) << c.word;
    for (const Bulkhead& b : example.arrangement.Bulkheads) {
      EXPECT_TRUE(read.texts.contains(b.Name)) << b.Name;
    }
  }
}

}  // namespace
}  // namespace korain::testing
