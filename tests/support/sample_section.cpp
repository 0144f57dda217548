// Writes hull sections as section blocks, for tests and benchmarks.
// SPDX-License-Identifier: GPL-3.0-or-later
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
    w_.titles({"x", "symflag", "Hop breadth", "Hop Ztop", "Default mat", "Tolerance"});
    w_.line(singleLine(s_.Name));
    w_.number(s_.X).tab().number(s_.SymFlag).tab().number(s_.HopperBreadth).tab();
    w_.number(s_.HopperZTop).tab().number(Long{s_.DefaultMaterial}).tab();
    w_.number(s_.Tolerance).endLine();
  }

  void writePanels() {
    w_.comment();
    w_.line(sectionTexts_.panelsBanner);
    w_.comment();
    w_.titles({"Name", "iMat"});
    for (const SectionPanel& p : s_.Panels) {
      w_.text(singleLine(p.Name)).tab().number(Long{p.iMat}).endLine();
    }
  }

  // A list part, only when some panel has an element of it: its banner and titles, then the
  // elements' lines, panel by panel, each written with its panel's number.
  template <typename T, typename WriteLine>
  void writePart(std::string_view banner, List<T> SectionPanel::*list,
                 std::initializer_list<std::string_view> titles, WriteLine writeLine) {
    const auto has = [&](const SectionPanel& p) { return (p.*list).isDimensioned(); };
    if (std::ranges::none_of(s_.Panels, has)) return;
    w_.comment();
    w_.line(banner);
    w_.comment();
    w_.titles(titles);
    for (Long p = 1; p <= s_.Panels.count(); ++p) {
      for (const T& element : s_.Panels.at(p).*list) writeLine(p, element);
    }
  }

  BlockTextWriter& coordinates(std::initializer_list<Single> values) {
    for (const Single value : values) w_.tab().coordinate(value);
    return w_;
  }

  void writeNodes() {
    writePart(texts_.nodesBanner, &SectionPanel::Nodes,
              {"Pan", "y", "z", "Abs°", "Inter", "Ipan", "Inod", "Sh.Cur", "Sh.yT", "Sh.zT", "Sh.R",
               "PCod", "knu"},
              [&](Long p, const Node& n) { writeNodeLine(w_, p, n); });
  }

  void writeStiffeners() {
    writePart(sectionTexts_.stiffenersBanner, &SectionPanel::Stiffeners,
              {"Pan", "Nend", "y", "z", "side", "..."}, [&](Long p, const SectionStiffener& s) {
                w_.number(p).tab().number(Long{s.Ends.count()});
                for (const StiffenerEnd& end : s.Ends) {
                  coordinates({end.Y, end.Z}).tab().number(Long{end.Side});
                }
                w_.endLine();
              });
  }

  void writeStrakes() {
    writePart(sectionTexts_.strakesBanner, &SectionPanel::Strakes,
              {"Pan", "Ref", "y1", "z1", "y2", "z2", "Th", "iMat"},
              [&](Long p, const SectionStrake& s) {
                w_.number(p).tab().number(Long{s.Ref});
                coordinates({s.Y1, s.Z1, s.Y2, s.Z2}).tab().number(s.Th);
                w_.tab().number(Long{s.iMat}).endLine();
              });
  }

  void writeTwoEnded(std::string_view banner, List<TwoEndedObject> SectionPanel::*list) {
    writePart(banner, list, {"Pan", "y1", "z1", "y2", "z2"}, [&](Long p, const TwoEndedObject& o) {
      w_.number(p);
      coordinates({o.Y1, o.Z1, o.Y2, o.Z2}).endLine();
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

  BlockTextWriter w_;
  const Section& s_;
  const DatabaseTexts& texts_;
  const SectionTexts& sectionTexts_;
};

}  // namespace

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
