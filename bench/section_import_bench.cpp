// Speed of the import of a hull section's compartments: the section's geometry,
// the outlines cut at every node between their corners, and the bulkheads.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "import/section_import.h"
#include "sample_section.h"
#include "section/section_reader.h"

namespace {

using korain::Integer;
using korain::Long;
using korain::Node;
using korain::Section;
using korain::SectionPanel;

constexpr int kDecks = 11;   // horizontal panels, 2 m apart, 50 m long, a node every metre
constexpr int kColumns = 6;  // bulkheads every 10 m between two decks
constexpr int kWebs = 129;   // short webs standing on the decks between the bulkheads
constexpr int kDeckNodes = 51;

Node point(double y, double z, Long curve = 1) {
  Node n;
  n.Y = static_cast<korain::Single>(y);
  n.Z = static_cast<korain::Single>(z);
  n.ShCur = curve;
  return n;
}

Node on(double y, double z, int panel, int node) {
  Node n = point(y, z, 0);
  n.Inter = 3;
  n.Ipan = static_cast<Integer>(panel);
  n.Inod = static_cast<Integer>(node);
  return n;
}

void addPanel(Section& s, std::initializer_list<Node> nodes) {
  SectionPanel& panel = s.Panels.append();
  for (const Node& n : nodes) panel.Nodes.append(n);
}

// 200 panels: decks, bulkheads between them that stand on their nodes, and
// webs on the decks; 50 compartments, each a cell between two decks and two
// bulkheads, whose bottom and top are cut at the nodes of the deck and of the
// webs between the corners.
Section cells() {
  Section s;
  s.Name = "Cells";
  s.Tolerance = 0.001F;
  for (int d = 0; d < kDecks; ++d) {
    SectionPanel& deck = s.Panels.append();
    for (int k = 0; k < kDeckNodes; ++k) deck.Nodes.append(point(k, 2 * d, k == 0 ? 0 : 1));
  }
  for (int c = 0; c < kColumns; ++c) {
    for (int d = 0; d + 1 < kDecks; ++d) {
      addPanel(s, {on(10 * c, 2 * d, d + 1, 10 * c + 1), on(10 * c, 2 * d + 2, d + 2, 10 * c + 1)});
    }
  }
  for (int w = 0; w < kWebs; ++w) {
    const double y = 0.5 + w % (kDeckNodes - 1);
    const double z = 2.0 * (w / (kDeckNodes - 1));
    addPanel(s, {point(y, z, 0), point(y, z + 0.5)});
  }
  const auto bulkhead = [](int c, int d) { return kDecks + c * (kDecks - 1) + d + 1; };
  for (int c = 0; c + 1 < kColumns; ++c) {
    for (int d = 0; d + 1 < kDecks; ++d) {
      korain::SectionCompartment& cell = s.Compartments.append();
      cell.Name = "Cell " + std::to_string(c) + "-" + std::to_string(d);
      for (const auto& [panel, node] : {std::pair{bulkhead(c, d), 1},
                                        {bulkhead(c + 1, d), 1},
                                        {bulkhead(c + 1, d), 2},
                                        {bulkhead(c, d), 2},
                                        {bulkhead(c, d), 1}}) {
        cell.NodeRefs.append({static_cast<Integer>(panel), static_cast<Integer>(node)});
      }
    }
  }
  return s;
}

void importCells(benchmark::State& state) {
  const Section section = cells();
  if (section.Panels.count() != 200 || section.Compartments.count() != 50) {
    throw std::logic_error("the benchmark's section is not 50 compartments on 200 panels");
  }
  for (auto _ : state) {
    korain::Arrangement arrangement;
    const korain::SectionImport result = korain::importSection(section, arrangement, {});
    benchmark::DoNotOptimize(arrangement.Bulkheads.last().Nodes.count());
    if (!result.messages.texts().empty()) throw std::logic_error(result.messages.texts().front());
    // Round the first cell: its four corners back to the first, and the 9
    // deck nodes and 10 webs between the corners of its bottom and its top.
    if (arrangement.Bulkheads.first().Nodes.count() != 43) {
      throw std::logic_error("the cells are not cut at the nodes between their corners");
    }
  }
}

// The same from the block's text, as the command line and the dialog start.
void readAndImportCells(benchmark::State& state) {
  const std::string text = korain::testing::sectionBlockText(cells(), 1);
  for (auto _ : state) {
    Section section;
    korain::readSectionFromBytes(text, "bench.ko2", 1, section,
                                 korain::Arrangements::ReadAsSections);
    korain::Arrangement arrangement;
    korain::importSection(section, arrangement, {});
    benchmark::DoNotOptimize(arrangement.Bulkheads.last().Nodes.count());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

BENCHMARK(importCells)->Unit(benchmark::kMillisecond);
BENCHMARK(readAndImportCells)->Unit(benchmark::kMillisecond);
