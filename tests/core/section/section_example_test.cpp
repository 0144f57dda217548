// The hull sections of the example database read cleanly and hold together as a ship's structure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "io/block_list.h"
#include "io/text_file.h"
#include "sample_section.h"
#include "section_test_support.h"

namespace korain::testing {
namespace {

constexpr double kTolerance = 0.001;

const std::string& examplePath() {
  static const std::string path = KORAIN_EXAMPLES "/bulk_carrier.ko2";
  return path;
}

std::string exampleBytes() {
  std::string error;
  const auto bytes = readFileBytes(examplePath(), error);
  EXPECT_TRUE(bytes) << error;
  return bytes.value_or("");
}

struct ExampleSection {
  Integer block;
  std::string name;
  int panels;
  int compartments;
};

const ExampleSection kExamples[] = {{3, "Midship section Fr 120", 10, 4},
                                    {4, "Fore peak section Fr 215", 3, 1}};

Section readExample(Integer block) {
  Section s;
  const SectionReadResult result = readSection(examplePath(), block, s, true);
  EXPECT_EQ(result.status, SectionReadStatus::Read) << messageTexts(result);
  EXPECT_TRUE(result.messages.empty()) << messageTexts(result);
  EXPECT_FLOAT_EQ(result.version, kSectionVersion);
  return s;
}

// Where a point lies along a panel, measured from its first node: on the
// straight segments, or at a node (the arcs are only checked at their ends).
std::optional<double> abscissa(const SectionPanel& panel, double y, double z) {
  double s = 0;
  for (int k = 1; k <= panel.Nodes.count(); ++k) {
    const Node& n = panel.Nodes.at(k);
    if (std::hypot(n.Y - y, n.Z - z) <= kTolerance) return s;
    if (k == panel.Nodes.count()) break;
    const Node& next = panel.Nodes.at(k + 1);
    const double dy = next.Y - n.Y;
    const double dz = next.Z - n.Z;
    const double length = std::hypot(dy, dz);
    if (next.ShCur != 3 && next.ShCur != 4 && length > 0) {
      const double along = ((y - n.Y) * dy + (z - n.Z) * dz) / length;
      const double across = std::abs((y - n.Y) * dz - (z - n.Z) * dy) / length;
      if (across <= kTolerance && along >= -kTolerance && along <= length + kTolerance) {
        return s + along;
      }
    }
    s += length;
  }
  return std::nullopt;
}

const Node& nodeOf(const Section& s, NodeRef ref) {
  return s.Panels.at(ref.Ipan).Nodes.at(ref.Inod);
}

bool onCommonPanel(const Section& s, NodeRef a, NodeRef b) {
  const Node& na = nodeOf(s, a);
  const Node& nb = nodeOf(s, b);
  return std::ranges::any_of(s.Panels, [&](const SectionPanel& p) {
    return abscissa(p, na.Y, na.Z) && abscissa(p, nb.Y, nb.Z);
  });
}

TEST(ExampleSections, AreListedAsSectionsAndReadCleanly) {
  const std::vector<BlockListEntry> blocks = listBlocks(exampleBytes());
  ASSERT_EQ(blocks.size(), 4U);
  for (const ExampleSection& example : kExamples) {
    const BlockListEntry& entry = blocks[static_cast<std::size_t>(example.block - 1)];
    EXPECT_EQ(entry.Kind, BlockKind::Section);
    EXPECT_EQ(entry.Name, example.name);
    const Section s = readExample(example.block);
    EXPECT_EQ(s.Name, example.name);
    EXPECT_EQ(s.Panels.count(), example.panels);
    EXPECT_EQ(s.Compartments.count(), example.compartments);
    EXPECT_EQ(s.SymFlag, 0);
    EXPECT_GT(s.Tolerance, 0.0F);
  }
}

// The example blocks are laid out exactly as the tests' writer lays a section
// out, so the layout described in file-format.md, the writer and the example
// cannot drift apart.
TEST(ExampleSections, AreLaidOutAsTheWriterLaysThemOut) {
  const std::string bytes = exampleBytes();
  const std::size_t third =
      bytes.find("------------------ BLOCK ------------------\r\n*\r\n 3 \r\n");
  ASSERT_NE(third, std::string::npos);
  const std::string written =
      sectionBlockText(readExample(3), 3) + sectionBlockText(readExample(4), 4);
  EXPECT_EQ(bytes.substr(third), written);
}

// Panels meet where their nodes say; stiffener groups, strakes and two-ended
// objects lie on their panels, in the panel's own direction; groups on one face
// of a panel do not overlap.
TEST(ExampleSections, ObjectsLieOnTheirPanelsInOrder) {
  for (const ExampleSection& example : kExamples) {
    const Section s = readExample(example.block);
    for (const SectionPanel& panel : s.Panels) {
      for (const Node& n : panel.Nodes) {
        if (n.Inter != 3) continue;
        const Node& other = nodeOf(s, {n.Ipan, n.Inod});
        EXPECT_NEAR(other.Y, n.Y, kTolerance) << panel.Name;
        EXPECT_NEAR(other.Z, n.Z, kTolerance) << panel.Name;
      }
      std::vector<std::pair<double, double>> ranges[2];
      for (const SectionStiffener& stiffener : panel.Stiffeners) {
        ASSERT_TRUE(stiffener.Ends.isDimensioned()) << panel.Name;
        double first = 0;
        double last = 0;
        for (int k = 1; k <= stiffener.Ends.count(); ++k) {
          const StiffenerEnd& end = stiffener.Ends.at(k);
          const std::optional<double> at = abscissa(panel, end.Y, end.Z);
          ASSERT_TRUE(at) << panel.Name << " end at " << end.Y << ", " << end.Z;
          if (k == 1) first = *at;
          EXPECT_GE(*at, last - kTolerance) << panel.Name;
          last = *at;
          ASSERT_TRUE(end.Side == 0 || end.Side == 1) << panel.Name;
          EXPECT_EQ(end.Side, stiffener.Ends.first().Side) << panel.Name;
        }
        auto& side = ranges[stiffener.Ends.first().Side];
        for (const auto& [from, to] : side) {
          EXPECT_TRUE(last < from - kTolerance || first > to + kTolerance) << panel.Name;
        }
        side.emplace_back(first, last);
      }
      for (const SectionStrake& strake : panel.Strakes) {
        const auto from = abscissa(panel, strake.Y1, strake.Z1);
        const auto to = abscissa(panel, strake.Y2, strake.Z2);
        ASSERT_TRUE(from && to) << panel.Name << " strake " << strake.Ref;
        EXPECT_GT(*to, *from) << panel.Name << " strake " << strake.Ref;
        EXPECT_GT(strake.Th, 0.0F);
        EXPECT_TRUE(strake.iMat >= 1 && strake.iMat <= 3) << "the ship has three materials";
      }
      for (const List<TwoEndedObject>* objects :
           {&panel.Girders, &panel.Brackets, &panel.CutOuts}) {
        for (const TwoEndedObject& o : *objects) {
          const auto from = abscissa(panel, o.Y1, o.Z1);
          const auto to = abscissa(panel, o.Y2, o.Z2);
          ASSERT_TRUE(from && to) << panel.Name;
          EXPECT_GT(*to, *from + kTolerance) << panel.Name;
        }
      }
    }
  }
}

// Each pair of successive nodes of a boundary lies on a panel that runs
// between them; the boundary turns anticlockwise and either closes on its
// first node or ends on the centre line, where the other half of the ship
// closes it.
TEST(ExampleSections, CompartmentBoundariesFollowThePanels) {
  for (const ExampleSection& example : kExamples) {
    const Section s = readExample(example.block);
    for (const SectionCompartment& c : s.Compartments) {
      ASSERT_GE(c.NodeRefs.count(), 3) << c.Name;
      for (const NodeRef& ref : c.NodeRefs) {
        ASSERT_TRUE(s.Panels.inBounds(ref.Ipan)) << c.Name;
        ASSERT_TRUE(s.Panels.at(ref.Ipan).Nodes.inBounds(ref.Inod)) << c.Name;
      }
      double area = 0;
      for (int k = 1; k < c.NodeRefs.count(); ++k) {
        EXPECT_TRUE(onCommonPanel(s, c.NodeRefs.at(k), c.NodeRefs.at(k + 1)))
            << c.Name << " between references " << k << " and " << k + 1;
        const Node& a = nodeOf(s, c.NodeRefs.at(k));
        const Node& b = nodeOf(s, c.NodeRefs.at(k + 1));
        area += a.Y * b.Z - b.Y * a.Z;
      }
      const Node& first = nodeOf(s, c.NodeRefs.first());
      const Node& last = nodeOf(s, c.NodeRefs.last());
      const bool closed = c.NodeRefs.first() == c.NodeRefs.last();
      EXPECT_TRUE(closed || (std::abs(first.Y) < kTolerance && std::abs(last.Y) < kTolerance))
          << c.Name;
      area += last.Y * first.Z - first.Y * last.Z;
      EXPECT_GT(area, 0.0) << c.Name;

      EXPECT_TRUE(c.A >= 1 && c.A <= 8) << c.Name;
      EXPECT_TRUE(c.B >= 1 && c.B <= 7) << c.Name;
      EXPECT_TRUE(c.N >= 0 && c.N <= 6) << c.Name;
      EXPECT_GT(c.Table1.at(1), 0.0F) << c.Name << " has a length";
      EXPECT_GT(c.Table1.at(3), 0.0F) << c.Name << " has a breadth";
      EXPECT_GT(c.Table1.at(10), 0.0F) << c.Name << " has a height";
    }
  }
}

TEST(ExampleSections, HoldTheCargoHoldAndItsBallastTanks) {
  const Section midship = readExample(3);
  EXPECT_EQ(midship.X, 88.5F);
  EXPECT_EQ(midship.HopperBreadth, 6.0F);
  EXPECT_EQ(midship.HopperZTop, 7.8F);
  std::vector<Long> types;
  for (const SectionCompartment& c : midship.Compartments) {
    types.push_back(c.A);
    EXPECT_EQ(c.B, c.A == 5 ? 4 : 1) << c.Name << ": dry bulk in the hold, ballast in the tanks";
  }
  EXPECT_EQ(types, (std::vector<Long>{5, 1, 3, 4}));

  // The hold is the forward compartment of the bulkhead in block 1.
  Section block1;
  readSection(examplePath(), 1, block1, false);
  EXPECT_EQ(static_cast<const Compartment&>(midship.Compartments.at(1)),
            static_cast<const Compartment&>(block1.Compartments.at(1)));

  const Section forePeak = readExample(4);
  const SectionCompartment& tank = forePeak.Compartments.at(1);
  EXPECT_EQ(tank.A, 7);
  EXPECT_EQ(tank.B, 1);
  EXPECT_EQ(tank.Points.count(), 3) << "the partly filled fore peak is the sloshing case";
}

}  // namespace
}  // namespace korain::testing
