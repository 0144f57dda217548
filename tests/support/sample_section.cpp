// Builds hull sections of any size and writes them as section blocks, for tests and benchmarks.
#include "sample_section.h"

#include <algorithm>
#include <string>

#include "io/block_text_writer.h"
#include "io/compartment_record.h"
#include "io/database_texts.h"
#include "io/node_line.h"
#include "text/number_format.h"
#include "text/string_table.h"

namespace korain::testing {
namespace {

Single spread(int i, double step, double offset = 0) {
  return static_cast<Single>(offset + step * i);
}

Node node(int panel, int i) {
  Node n;
  n.Y = spread(i, 0.625, 0.5 * panel);
  n.Z = spread(panel % 7, 1.25, 0.0625 * i);
  n.Abs = static_cast<Integer>(i);
  n.ShCur = i == 1 ? 0 : (i % 4 == 0 ? 3 : 1);
  if (n.ShCur == 3) {
    n.ShYT = spread(i, 0.5);
    n.ShZT = spread(panel, 0.25);
    n.ShR = i % 8 == 0 ? -1.5F : 2.25F;
  }
  if (i == 1 && panel > 1) {
    n.Inter = 3;
    n.Ipan = static_cast<Integer>(panel - 1);
    n.Inod = 1;
  }
  n.PCod = i % 3 == 0 ? 1 : 0;
  n.knu = static_cast<Integer>(i % 5 == 0 ? -1 : 0);
  return n;
}

SectionStiffener stiffener(int panel, int j, int ends) {
  SectionStiffener s;
  for (int k = 1; k <= ends; ++k) {
    StiffenerEnd& end = s.Ends.append();
    end.Y = spread(j * ends + k, 0.8, 0.25 * panel);
    end.Z = spread(panel % 5, 0.75);
    end.Side = static_cast<Integer>((panel + j) % 2);
  }
  return s;
}

SectionStrake strake(int panel, int j) {
  return {.Ref = static_cast<Integer>(panel * 10 + j),
          .Y1 = spread(j - 1, 2.4),
          .Z1 = spread(panel % 4, 0.5),
          .Y2 = spread(j, 2.4),
          .Z2 = spread(panel % 4, 0.5, 0.125),
          .Th = spread(j % 6, 0.5, 11),
          .iMat = static_cast<Integer>(j % 3 + 1)};
}

TwoEndedObject twoEnded(int panel, int j, double offset) {
  return {.Y1 = spread(j, 1.2, offset),
          .Z1 = spread(panel % 3, 0.5),
          .Y2 = spread(j, 1.2, offset + 0.6),
          .Z2 = spread(panel % 3, 0.5, 0.25)};
}

SectionPanel panel(int p, const SectionSize& size) {
  SectionPanel panel;
  panel.Name = "Panel " + std::to_string(p);
  panel.iMat = static_cast<Integer>(p % 4);
  for (int i = 1; i <= size.nodesPerPanel; ++i) panel.Nodes.append(node(p, i));
  for (int j = 1; j <= size.stiffenersPerPanel; ++j) {
    panel.Stiffeners.append(stiffener(p, j, size.endsPerStiffener));
  }
  for (int j = 1; j <= size.strakesPerPanel; ++j) panel.Strakes.append(strake(p, j));
  for (int j = 1; j <= size.twoEndedPerPanel; ++j) {
    panel.Girders.append(twoEnded(p, j, 0));
    panel.Brackets.append(twoEnded(p, j, 0.1));
    panel.CutOuts.append(twoEnded(p, j, 0.3));
  }
  return panel;
}

SectionCompartment compartment(int k, const SectionSize& size) {
  SectionCompartment c;
  c.Name = "Tank " + std::to_string(k);
  c.A = k % 8 + 1;
  c.B = k % 7 + 1;
  c.UseComputedYZ = k % 2 == 0;
  c.UseRuleRoll = k % 3 == 0;
  for (int i = 1; i <= c.Table1.count(); ++i) c.Table1.at(i) = spread(i, 0.75, k);
  c.N = k % 7;
  for (int i = 1; i <= c.Table2.count(); ++i) c.Table2.at(i) = spread(i, 0.5);
  for (int i = 1; i <= c.Table3.count(); ++i) c.Table3.at(i) = spread(i, -0.125);
  for (int p = 1; p <= size.fillingLevels; ++p) {
    c.Points.append({spread(p, 1.5), spread(p, 0.5, 12), spread(k, 0.25, 8)});
  }
  c.Flag3 = k % 2 == 1;
  c.Flag4 = true;
  c.Flag5 = k % 3 == 0;
  c.C = k % 2 == 0;
  c.D = k % 4 == 1;
  c.Flag6 = k % 2 == 0;
  if (size.panels > 0 && size.nodesPerPanel > 0) {
    const auto p = static_cast<Integer>((k - 1) % size.panels + 1);
    const int nodes = std::min(size.nodesPerPanel, kMaxNodeRefs - 1);
    for (int i = 1; i <= nodes; ++i) c.NodeRefs.append({p, static_cast<Integer>(i)});
    c.NodeRefs.append({p, 1});
  }
  return c;
}

class SectionWriter {
 public:
  SectionWriter(std::string& out, const Section& section)
      : w_(out), s_(section), texts_(DatabaseTexts::get()), sectionTexts_(SectionTexts::get()) {}

  void write(Integer blockNumber, Single version) {
    writeFraming(blockNumber, version);
    writeGeneralData();
    writePanels();
    writeNodes();
    writeStiffeners();
    writeStrakes();
    writeTwoEnded(sectionTexts_.girdersBanner, &SectionPanel::Girders);
    writeTwoEnded(sectionTexts_.bracketsBanner, &SectionPanel::Brackets);
    writeTwoEnded(kCutOutBanner, &SectionPanel::CutOuts);
    writeCompartments();
  }

 private:
  void writeFraming(Integer blockNumber, Single version) {
    w_.line(texts_.blockBanner);
    w_.comment();
    w_.number(Long{blockNumber}).endLine();
    w_.line(kSectionKeyword);
    w_.comment();
    w_.line(texts_.versionBanner);
    w_.number(version).endLine();
    w_.text(texts_.commentMarker).text(korainString(text_id::kBlockVersionComment));
    w_.number(version).endLine();
  }

  void writeGeneralData() {
    w_.comment();
    w_.line(texts_.generalBanner);
    w_.comment();
    w_.comment(" Name");
    w_.titles({" x", "symflag", "Hop breadth", "Hop Ztop", "Default mat", "Tolerance"});
    w_.line(singleLine(s_.Name));
    w_.number(s_.X).tab().number(s_.SymFlag).tab().number(s_.HopperBreadth).tab();
    w_.number(s_.HopperZTop).tab().number(Long{s_.DefaultMaterial}).tab();
    w_.number(s_.Tolerance).endLine();
  }

  void writePanels() {
    w_.comment();
    w_.line(sectionTexts_.panelsBanner);
    w_.comment();
    w_.titles({" Name", "iMat"});
    for (const SectionPanel& p : s_.Panels) {
      w_.text(singleLine(p.Name)).tab().number(Long{p.iMat}).endLine();
    }
  }

  // The banner and titles of a list part, only when some panel has an element of it.
  template <typename T>
  bool openPart(std::string_view banner, List<T> SectionPanel::*list,
                std::initializer_list<std::string_view> titles) {
    const bool any = std::ranges::any_of(
        s_.Panels, [&](const SectionPanel& p) { return (p.*list).isDimensioned(); });
    if (!any) return false;
    w_.comment();
    w_.line(banner);
    w_.comment();
    w_.titles(titles);
    return true;
  }

  BlockTextWriter& coordinate(Single value) { return w_.formatted(value, texts_.coordinateFormat); }

  void writeNodes() {
    if (!openPart(texts_.nodesBanner, &SectionPanel::Nodes,
                  {" Pan", "y", "z", "Abs°", "Inter", "Ipan", "Inod", "Sh.Cur", "Sh.yT", "Sh.zT",
                   "Sh.R", "PCod", "knu"})) {
      return;
    }
    forEachPanel([&](Long p, const SectionPanel& panel) {
      for (const Node& n : panel.Nodes) writeNodeLine(w_, p, n);
    });
  }

  void writeStiffeners() {
    if (!openPart(sectionTexts_.stiffenersBanner, &SectionPanel::Stiffeners,
                  {" Pan", "Nend", "y", "z", "side", "..."})) {
      return;
    }
    forEachPanel([&](Long p, const SectionPanel& panel) {
      for (const SectionStiffener& s : panel.Stiffeners) {
        w_.number(p).tab().number(Long{s.Ends.count()});
        for (const StiffenerEnd& end : s.Ends) {
          w_.tab();
          coordinate(end.Y).tab();
          coordinate(end.Z).tab().number(Long{end.Side});
        }
        w_.endLine();
      }
    });
  }

  void writeStrakes() {
    if (!openPart(sectionTexts_.strakesBanner, &SectionPanel::Strakes,
                  {" Pan", "Ref", "y1", "z1", "y2", "z2", "Th", "iMat"})) {
      return;
    }
    forEachPanel([&](Long p, const SectionPanel& panel) {
      for (const SectionStrake& s : panel.Strakes) {
        w_.number(p).tab().number(Long{s.Ref}).tab();
        coordinate(s.Y1).tab();
        coordinate(s.Z1).tab();
        coordinate(s.Y2).tab();
        coordinate(s.Z2).tab();
        w_.number(s.Th).tab().number(Long{s.iMat}).endLine();
      }
    });
  }

  void writeTwoEnded(std::string_view banner, List<TwoEndedObject> SectionPanel::*list) {
    if (!openPart(banner, list, {" Pan", "y1", "z1", "y2", "z2"})) return;
    forEachPanel([&](Long p, const SectionPanel& panel) {
      for (const TwoEndedObject& o : panel.*list) {
        w_.number(p).tab();
        coordinate(o.Y1).tab();
        coordinate(o.Z1).tab();
        coordinate(o.Y2).tab();
        coordinate(o.Z2).endLine();
      }
    });
  }

  void writeCompartments() {
    writeCompartmentPartHeader(w_);
    std::string refs;
    for (const SectionCompartment& c : s_.Compartments) {
      refs.clear();
      appendFreeNumber(refs, Long{c.NodeRefs.count()});
      for (const NodeRef& ref : c.NodeRefs) {
        refs.push_back('\t');
        appendFreeNumber(refs, Long{ref.Ipan});
        refs.push_back('\t');
        appendFreeNumber(refs, Long{ref.Inod});
      }
      writeCompartmentRecord(w_, c, refs);
    }
  }

  template <typename Visit>
  void forEachPanel(Visit visit) {
    for (Long p = 1; p <= s_.Panels.count(); ++p) visit(p, s_.Panels.at(p));
  }

  BlockTextWriter w_;
  const Section& s_;
  const DatabaseTexts& texts_;
  const SectionTexts& sectionTexts_;
};

}  // namespace

Section sampleSection(const SectionSize& size) {
  Section s;
  s.Name = "Sample section";
  s.X = 88.5F;
  s.SymFlag = 0;
  s.HopperBreadth = 6.25F;
  s.HopperZTop = 7.75F;
  s.DefaultMaterial = 2;
  s.Tolerance = 0.001F;
  for (int p = 1; p <= size.panels; ++p) s.Panels.append(panel(p, size));
  for (int k = 1; k <= size.compartments; ++k) s.Compartments.append(compartment(k, size));
  return s;
}

void writeSectionBlock(std::string& out, const Section& section, Integer blockNumber,
                       Single version) {
  SectionWriter(out, section).write(blockNumber, version);
}

std::string sectionBlockText(const Section& section, Integer blockNumber, Single version) {
  std::string out;
  writeSectionBlock(out, section, blockNumber, version);
  return out;
}

}  // namespace korain::testing
