// How the section reader reads its layout, old versions, damaged lines and the other kinds of
// block.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "io/block_framing.h"
#include "io/database_texts.h"
#include "sample_section.h"
#include "section_test_support.h"
#include "text/string_table.h"

namespace korain::testing {
namespace {

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string repeated(const std::string& value, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += value + "\t";
  return text;
}

// A small block with one element in every part, written by hand so that each
// value can be checked and each line damaged on its own.
const std::vector<std::string>& smallLines() {
  static const std::vector<std::string> lines = {
      "------------------ BLOCK ------------------",
      "*",
      " 1 ",
      "MIDSHIP",
      "*",
      "------------------ VERSION ------------------",
      " 2.002 ",
      "*",
      "------------------ GENERAL DATA ------------------",
      "* Name",
      "Test section",
      " 88.5 \t 1 \t 6 \t 7.8 \t 2 \t .002 ",
      "------------------ HULL SECTION ------------------",
      "Bottom\t 0 ",
      "Side\t 3 ",
      "------------------ NODES ------------------",
      " 1 \t0.0\t0.0\t 1 \t 0 \t 0 \t 0 \t 0 \t 0 \t 0 \t 0 \t 0 \t 0 ",
      " 1 \t16.0\t0.0\t 7 \t 0 \t 0 \t 0 \t 1 \t 0 \t 0 \t 0 \t 0 \t 0 ",
      " 2 \t16.0\t0.0\t 1 \t 3 \t 1 \t 2 \t 0 \t 0 \t 0 \t 0 \t 0 \t 0 ",
      " 2 \t16.0\t18.0\t 2 \t 0 \t 0 \t 0 \t 3 \t 14 \t 18 \t-2 \t 1 \t-1 ",
      "------------------ STIFFENERS ------------------",
      " 1 \t 2 \t0.8\t0.0\t 0 \t4.0\t0.0\t 1 ",
      "------------------ STRAKES ------------------",
      " 1 \t 7 \t0.0\t0.0\t16.0\t0.0\t 17.5 \t 2 ",
      "------------------ GIRDERS ------------------",
      " 2 \t16.0\t2.0\t16.0\t12.0",
      "------------------ BRACKETS ------------------",
      " 1 \t14.0\t0.0\t16.0\t0.0",
      "------------------ CUT-OUTS ------------------",
      " 2 \t16.0\t5.0\t16.0\t6.0",
      "------------------ COMPARTMENT RECORD ------------------",
      " 8 ",
      "------------------ COMPARTMENTS ------------------",
      "Wing tank\t",
      " 3 \t 1 \t 1 \t 1 \t 2 \t 2 \t 2 \t",
      " 2 \t 1 \t-1 \t 0 \t",
      repeated("1.5", 20),
      " 2 \t",
      repeated("0.5", 10) + repeated("9.5", 10),
      " 1 \t4.0\t20.0\t8.0\t",
      "-1 \t 0 \t-1 \t 0 \t-1 \t-1 \t*",
      "*",
  };
  return lines;
}

std::string smallBlock() { return crlf(smallLines()); }

// The small block with one whole line replaced; the test fails when it is missing.
std::string withLine(const std::string& line, const std::string& replacement) {
  std::vector<std::string> lines = smallLines();
  bool found = false;
  for (std::string& l : lines) {
    if (l == line && !found) {
      l = replacement;
      found = true;
    }
  }
  EXPECT_TRUE(found) << "no line '" << line << "'";
  return crlf(lines);
}

const std::string kNodeLine = " 1 \t16.0\t0.0\t 7 \t 0 \t 0 \t 0 \t 1 \t 0 \t 0 \t 0 \t 0 \t 0 ";
const std::string kStiffenerLine = " 1 \t 2 \t0.8\t0.0\t 0 \t4.0\t0.0\t 1 ";
const std::string kRefsLine = " 3 \t 1 \t 1 \t 1 \t 2 \t 2 \t 2 \t";

// The reader dispatches on the banners' texts: each must read as a banner and
// name one part only.
TEST(SectionReader, BannersAreBannersAndNameOnePartEach) {
  const DatabaseTexts& texts = DatabaseTexts::get();
  const SectionTexts& section = SectionTexts::get();
  const std::vector<std::string> banners = {
      texts.blockBanner,           texts.versionBanner,   texts.generalBanner,
      texts.panelsBanner,          texts.nodesBanner,     texts.compartmentsBanner,
      texts.compartmentPartBanner, section.panelsBanner,  section.stiffenersBanner,
      section.strakesBanner,       section.girdersBanner, section.bracketsBanner,
      std::string(kCutOutBanner)};
  for (std::size_t i = 0; i < banners.size(); ++i) {
    EXPECT_TRUE(isBannerLine(banners[i])) << banners[i];
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(banners[i], banners[j]);
  }
}

TEST(SectionReader, ReadsEveryPartOfTheLayout) {
  SectionReadResult result;
  const Section s = readSectionText(smallBlock(), 1, &result);
  EXPECT_EQ(result.status, SectionReadStatus::Read);
  EXPECT_TRUE(result.messages.empty()) << messageTexts(result);
  EXPECT_FLOAT_EQ(result.version, 2.002F);

  EXPECT_EQ(s.Name, "Test section");
  EXPECT_EQ(s.X, 88.5F);
  EXPECT_EQ(s.SymFlag, 1);
  EXPECT_EQ(s.HopperBreadth, 6.0F);
  EXPECT_EQ(s.HopperZTop, 7.8F);
  EXPECT_EQ(s.DefaultMaterial, 2);
  EXPECT_EQ(s.Tolerance, 0.002F);

  ASSERT_EQ(s.Panels.count(), 2);
  const SectionPanel& bottom = s.Panels.at(1);
  const SectionPanel& side = s.Panels.at(2);
  EXPECT_EQ(bottom.Name, "Bottom");
  EXPECT_EQ(side.iMat, 3);
  ASSERT_EQ(bottom.Nodes.count(), 2);
  EXPECT_EQ(bottom.Nodes.at(2).Abs, 2) << "Abs is the node's position, whatever the file says";
  EXPECT_EQ(side.Nodes.at(1).Inter, 3);
  EXPECT_EQ(side.Nodes.at(1).Ipan, 1);
  EXPECT_EQ(side.Nodes.at(1).Inod, 2);
  const Node& arc = side.Nodes.at(2);
  EXPECT_EQ(arc.ShCur, 3);
  EXPECT_EQ(arc.ShYT, 14.0F);
  EXPECT_EQ(arc.ShZT, 18.0F);
  EXPECT_EQ(arc.ShR, -2.0F);
  EXPECT_EQ(arc.PCod, 1);
  EXPECT_EQ(arc.knu, -1);

  ASSERT_EQ(bottom.Stiffeners.count(), 1);
  const List<StiffenerEnd>& ends = bottom.Stiffeners.at(1).Ends;
  ASSERT_EQ(ends.count(), 2);
  EXPECT_EQ(ends.at(1).Y, 0.8F);
  EXPECT_EQ(ends.at(1).Side, 0);
  EXPECT_EQ(ends.at(2).Y, 4.0F);
  EXPECT_EQ(ends.at(2).Side, 1);
  ASSERT_EQ(bottom.Strakes.count(), 1);
  EXPECT_EQ(bottom.Strakes.at(1), (SectionStrake{7, 0, 0, 16, 0, 17.5F, 2}));
  ASSERT_EQ(side.Girders.count(), 1);
  EXPECT_EQ(side.Girders.at(1), (TwoEndedObject{16, 2, 16, 12}));
  EXPECT_EQ(bottom.Brackets.at(1), (TwoEndedObject{14, 0, 16, 0}));
  EXPECT_EQ(side.CutOuts.at(1), (TwoEndedObject{16, 5, 16, 6}));
  EXPECT_FALSE(bottom.Girders.isDimensioned());

  ASSERT_EQ(s.Compartments.count(), 1);
  const SectionCompartment& c = s.Compartments.at(1);
  EXPECT_EQ(c.Name, "Wing tank");
  ASSERT_EQ(c.NodeRefs.count(), 3);
  EXPECT_EQ(c.NodeRefs.at(1), (NodeRef{1, 1}));
  EXPECT_EQ(c.NodeRefs.at(2), (NodeRef{1, 2}));
  EXPECT_EQ(c.NodeRefs.at(3), (NodeRef{2, 2}));
  EXPECT_FALSE(c.NodeList.isDimensioned()) << "segments come from the geometry, not the file";
  EXPECT_EQ(c.A, 2);
  EXPECT_EQ(c.B, 1);
  EXPECT_TRUE(c.UseComputedYZ);
  EXPECT_FALSE(c.UseRuleRoll);
  EXPECT_EQ(c.Table1.at(20), 1.5F);
  EXPECT_EQ(c.N, 2);
  EXPECT_EQ(c.Table2.at(10), 0.5F);
  EXPECT_EQ(c.Table3.at(1), 9.5F);
  ASSERT_EQ(c.Points.count(), 1);
  EXPECT_EQ(c.Points.at(1), (FillingPoint{4, 20, 8}));
  EXPECT_TRUE(c.Flag3);
  EXPECT_FALSE(c.Flag4);
  EXPECT_TRUE(c.D);
  EXPECT_TRUE(c.Flag6);
}

TEST(SectionReader, WrittenSectionsReadBackWhole) {
  for (const SectionSize& size :
       {SectionSize{}, SectionSize{.panels = 1, .nodesPerPanel = 1, .compartments = 1},
        SectionSize{.panels = 0, .compartments = 0},
        SectionSize{.panels = 12,
        .nodesPerPanel = 30,
        .stiffenersPerPanel = 6,
        .endsPerStiffener = kMaxStiffenerEnds,
        .strakesPerPanel = 5,
        .twoEndedPerPanel = 3,
        .compartments = 9,
        .fillingLevels = 4},
        SectionSize{.nodesPerPanel = 250, .stiffenersPerPanel = 0, .compartments = 1}}) {
    const Section sample = sampleSection(size);
    const std::string text = sectionBlockText(sample);
    SectionReadResult result;
    const Section read = readSectionText(text, 1, &result);
    EXPECT_EQ(result.status, SectionReadStatus::Read) << messageTexts(result);
    EXPECT_TRUE(result.messages.empty()) << messageTexts(result);
    EXPECT_EQ(read, sample) << size.panels << " panels";
    EXPECT_EQ(sectionBlockText(read), text);
  }
}

TEST(SectionReader, LinesEndingInLineFeedAloneReadTheSame) {
  std::string text = smallBlock();
  std::erase(text, '\r');
  EXPECT_EQ(readSectionText(text), readSectionText(smallBlock()));
}

TEST(SectionReader, CommentsAnywhereAreIgnored) {
  std::string commented;
  for (const std::string& line : smallLines()) commented += line + "\r\n* a remark\r\n*\r\n";
  EXPECT_EQ(readSectionText(commented), readSectionText(smallBlock()));
}

TEST(SectionReader, BlankLinesInListsAndEmptyLinesBetweenRecordsAreNothing) {
  std::vector<std::string> spaced;
  bool inRecords = false;
  for (const std::string& line : smallLines()) {
    inRecords = inRecords || line.find("COMPARTMENT") != std::string::npos;
    if (line == "Wing tank\t") spaced.push_back("");
    spaced.push_back(line);
    if (!inRecords && (line.starts_with(" 1 \t") || line.starts_with(" 2 \t"))) {
      spaced.push_back(" \t ");
    }
  }
  spaced.push_back("");
  spaced.push_back("");
  SectionReadResult result;
  EXPECT_EQ(readSectionText(crlf(spaced), 1, &result), readSectionText(smallBlock()));
  EXPECT_TRUE(result.messages.empty()) << messageTexts(result);
}

TEST(SectionReader, ACompartmentWithoutANameKeepsItsPlace) {
  std::string text = smallBlock() + crlf({"\t", " 0 \t", " 4 \t 1 \t 0 \t 0 \t"});
  const Section s = readSectionText(text);
  ASSERT_EQ(s.Compartments.count(), 2);
  EXPECT_EQ(s.Compartments.at(2).Name, "");
  EXPECT_EQ(s.Compartments.at(2).A, 4);
  EXPECT_FALSE(s.Compartments.at(2).NodeRefs.isDimensioned());
}

// Sections from before the alternate loading keep Table3 and Flag6 cleared.
TEST(SectionReaderVersions, AlternateLoadingValuesFromVersion19998On) {
  struct Row {
    std::string version;
    bool alternateLoading;
  };
  for (const Row& row : {Row{" 2.002 ", true}, Row{" 1.9998 ", true}, Row{" 1.9997 ", false},
                         Row{" .443 ", false}, Row{"* no version", false}}) {
    const Section s = readSectionText(withLine(" 2.002 ", row.version));
    ASSERT_EQ(s.Compartments.count(), 1) << row.version;
    const SectionCompartment& c = s.Compartments.at(1);
    EXPECT_EQ(c.Table3.at(1), row.alternateLoading ? 9.5F : 0.0F) << row.version;
    EXPECT_EQ(c.Flag6, row.alternateLoading) << row.version;
    EXPECT_EQ(c.Table2.at(1), 0.5F) << "Table2 is read from every version";
    EXPECT_TRUE(c.D) << "the flags before Flag6 are read from every version";
  }
}

TEST(SectionReaderNodeRefs, CountThenPanelAndNodePairs) {
  struct Row {
    std::string line;
    std::vector<NodeRef> refs;
    std::string message;  // empty: none expected
  };
  const std::vector<Row> rows = {
      {" 0 \t", {}, ""},
      {"\t", {}, ""},
      {" 2 \t 5 \t 9 \t 6 \t 10 \t", {{5, 9}, {6, 10}}, ""},
      {" 2 5 9 6 10", {{5, 9}, {6, 10}}, ""},
      {" 2 \t 5 \t 9 \t 6 \t 10 \t 7 \t 11 \t", {{5, 9}, {6, 10}}, ""},
      {" 3 \t 5 \t 9 \t 6 \t 10 \t 7 \t", {{5, 9}, {6, 10}}, "holds 2 of the 3 node references"},
      {" 2 \t 5 \t x \t 6 \t 10 \t", {{5, 0}, {6, 10}}, "value 3 is not a number"},
      {" 1 \t 40000 \t 1 \t", {{0, 1}}, "value 2 is out of range"},
      {"no node list\t", {}, "value 1 is not a number"},
      {"-1 \t 1 \t 1 \t", {}, "count -1 is not between 0 and 199"},
      {" 200 \t", {}, "count 200 is not between 0 and 199"},
      {" 1E12 \t", {}, "value 1 is out of range"},
  };
  for (const Row& row : rows) {
    SectionReadResult result;
    const Section s = readSectionText(withLine(kRefsLine, row.line), 1, &result);
    ASSERT_EQ(s.Compartments.count(), 1) << row.line;
    const SectionCompartment& c = s.Compartments.at(1);
    ASSERT_EQ(c.NodeRefs.count(), static_cast<int>(row.refs.size())) << row.line;
    for (int k = 1; k <= c.NodeRefs.count(); ++k) {
      EXPECT_EQ(c.NodeRefs.at(k), row.refs[static_cast<std::size_t>(k - 1)]) << row.line;
    }
    EXPECT_EQ(c.A, 2) << "the next line is still line 3: " << row.line;
    EXPECT_EQ(result.status, SectionReadStatus::Read);
    if (row.message.empty()) {
      EXPECT_TRUE(result.messages.empty()) << row.line << "\n" << messageTexts(result);
    } else {
      ASSERT_EQ(result.messages.size(), 1U) << row.line << "\n" << messageTexts(result);
      EXPECT_NE(result.messages.front().text.find(row.message), std::string::npos)
          << messageTexts(result);
      EXPECT_EQ(result.messages.front().line, 35) << "the message names the line";
    }
  }
}

// Each row damages one line of the small block.
struct DamageRow {
  std::string name;
  std::string line;
  std::string replacement;
  SectionReadStatus status;
  std::string message;  // part of the one message expected; empty: none
};

class SectionReaderDamage : public ::testing::TestWithParam<DamageRow> {};

TEST_P(SectionReaderDamage, GivesItsMessageAndKeepsWhatWasRead) {
  const DamageRow& row = GetParam();
  SectionReadResult result;
  const Section s = readSectionText(withLine(row.line, row.replacement), 1, &result);
  EXPECT_EQ(result.status, row.status) << messageTexts(result);
  EXPECT_TRUE(result.found());
  if (row.message.empty()) {
    EXPECT_TRUE(result.messages.empty()) << messageTexts(result);
  } else {
    ASSERT_EQ(result.messages.size(), 1U) << messageTexts(result);
    EXPECT_NE(result.messages.front().text.find(row.message), std::string::npos)
        << messageTexts(result);
    EXPECT_EQ(result.messages.front().file, "test.ko2");
    EXPECT_GT(result.messages.front().line, 0);
  }
  EXPECT_EQ(s.Name, "Test section") << "what came before the damage is kept";
  if (row.status == SectionReadStatus::Stopped) {
    EXPECT_FALSE(s.Compartments.isDimensioned()) << "nothing after the error is read";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SectionReaderDamage,
    ::testing::Values(
        DamageRow{"NodeOnPanelZero", kNodeLine, " 0 \t16.0\t0.0", SectionReadStatus::Stopped,
                  "panel number 0 does not name one of the 2 panels"},
        DamageRow{"NodeOnMissingPanel", kNodeLine, " 3 \t16.0\t0.0", SectionReadStatus::Stopped,
                  "panel number 3 does not name"},
        DamageRow{"NodeWithoutPanelNumber", kNodeLine, "x\t16.0\t0.0", SectionReadStatus::Stopped,
                  "panel number (none)"},
        DamageRow{"NodeOnHugePanel", kNodeLine, " 1E9 \t16.0", SectionReadStatus::Stopped,
                  "panel number 1000000000 does not name"},
        DamageRow{"CommaInCoordinate", kNodeLine, " 1 \t16,5\t0.0", SectionReadStatus::Read,
                  "value 2 is not a number"},
        DamageRow{"InterOutOfRange", kNodeLine, " 1 \t16.0\t0.0\t 2 \t 1E12 ",
                  SectionReadStatus::Read, "value 5 is out of range"},
        DamageRow{"ShortNodeLine", kNodeLine, " 1 ", SectionReadStatus::Read, ""},
        DamageRow{"StiffenerOnMissingPanel", kStiffenerLine, " 9 \t 1 \t0.8\t0.0\t 0 ",
                  SectionReadStatus::Stopped, "panel number 9"},
        DamageRow{"EndCountBeyondALine", kStiffenerLine, " 1 \t 133 \t0.8\t0.0\t 0 ",
                  SectionReadStatus::Read, "end count 133 is not between 0 and 132"},
        DamageRow{"NegativeEndCount", kStiffenerLine, " 1 \t-2 \t0.8\t0.0\t 0 ",
                  SectionReadStatus::Read, "end count -2"},
        DamageRow{"EndsMissing", kStiffenerLine, " 1 \t 3 \t0.8\t0.0\t 0 \t4.0\t0.0",
                  SectionReadStatus::Read, "holds 1 of the 3 ends"},
        DamageRow{"EndCountNotANumber", kStiffenerLine, " 1 \ttwo\t0.8\t0.0\t 0 ",
                  SectionReadStatus::Read, "value 2 is not a number"},
        DamageRow{"StrakeReferenceOutOfRange", " 1 \t 7 \t0.0\t0.0\t16.0\t0.0\t 17.5 \t 2 ",
                  " 1 \t 70000 \t0.0", SectionReadStatus::Read, "value 2 is out of range"},
        DamageRow{"GirderOnMissingPanel", " 2 \t16.0\t2.0\t16.0\t12.0", "-2 \t16.0",
                  SectionReadStatus::Stopped, "panel number -2"},
        DamageRow{"BracketOnMissingPanel", " 1 \t14.0\t0.0\t16.0\t0.0", " 3.4 \t14.0",
                  SectionReadStatus::Stopped, "panel number 3.4"},
        DamageRow{"CutOutCommentedOut", " 2 \t16.0\t5.0\t16.0\t6.0", "*2 \t16.0",
                  SectionReadStatus::Read, ""},
        DamageRow{"BadX", " 88.5 \t 1 \t 6 \t 7.8 \t 2 \t .002 ", "88.5m\t 1 \t 6 \t 7.8 \t 2 ",
                  SectionReadStatus::Read, "value 1 is not a number"},
        DamageRow{"MaterialOutOfRange", " 88.5 \t 1 \t 6 \t 7.8 \t 2 \t .002 ",
                  " 88.5 \t 1 \t 6 \t 7.8 \t 99999 \t .002 ", SectionReadStatus::Read,
                  "value 5 is out of range"},
        DamageRow{"PanelMaterialNotANumber", "Side\t 3 ", "Side\tAH36", SectionReadStatus::Read,
                  "value 1 is not a number"},
        DamageRow{"FillingLevelsBeyondALine", " 1 \t4.0\t20.0\t8.0\t", " 134 \t",
                  SectionReadStatus::Read, "filling-level count 134"},
        DamageRow{"UnknownBannerPassedOver", "------------------ STRAKES ------------------",
                  "------------------ LONGITUDINALS ------------------", SectionReadStatus::Read,
                  ""}),
    [](const ::testing::TestParamInfo<DamageRow>& row) { return row.param.name; });

TEST(SectionReaderDamage, EveryCutOfTheBlockReadsWithoutHarm) {
  const std::string texts[] = {smallBlock(), sectionBlockText(sampleSection({}))};
  for (const std::string& text : texts) {
    const Section whole = readSectionText(text);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
      SectionReadResult result;
      const Section s = readSectionText(std::string_view(text).substr(0, cut), 1, &result);
      if (!result.found()) {
        EXPECT_LT(result.version, 0.0F);
        continue;
      }
      // A banner cut to fewer than six dashes is a line of its part.
      EXPECT_LE(s.Panels.count(), whole.Panels.count() + 1) << cut;
      EXPECT_LE(s.Compartments.count(), whole.Compartments.count() + 1) << cut;
    }
  }
}

TEST(SectionReaderLimits, NoListGrowsBeyondWhatAnIntegerNumbers) {
  std::string panels = crlf({"------------------ BLOCK ------------------", " 1 ", "SECTION",
                             "------------------ HULL SECTION ------------------"});
  for (int p = 0; p <= kMaxSectionListLength; ++p) panels += "P\t 1 \r\n";
  SectionReadResult result;
  Section s = readSectionText(panels, 1, &result);
  EXPECT_EQ(result.status, SectionReadStatus::Stopped);
  EXPECT_EQ(s.Panels.count(), kMaxSectionListLength);
  EXPECT_NE(messageTexts(result).find("more than 32767 panels"), std::string::npos);

  std::string records = crlf({"------------------ BLOCK ------------------", " 1 ", "SECTION",
                              "------------------ COMPARTMENT RECORD ------------------", " 1 ",
                              "------------------ COMPARTMENTS ------------------"});
  for (int c = 0; c <= kMaxSectionListLength + 5; ++c) records += "T\t\r\n";
  s = readSectionText(records, 1, &result);
  EXPECT_EQ(result.status, SectionReadStatus::Stopped);
  EXPECT_EQ(s.Compartments.count(), kMaxSectionListLength);
  EXPECT_NE(messageTexts(result).find("more than 32767 compartments"), std::string::npos);
}

TEST(SectionReaderLimits, LinesHoldAsManyEndsAndReferencesAsTheyCan) {
  std::string ends = " 1 \t 132 \t";
  for (int k = 1; k <= 132; ++k) ends += std::to_string(k) + ".5\t0.0\t 1 \t";
  std::string refs = " 199 \t";
  for (int k = 1; k <= 199; ++k) refs += " 1 \t " + std::to_string(k) + " \t";
  std::string text = withLine(kStiffenerLine, ends);
  text.replace(text.find(kRefsLine), kRefsLine.size(), refs);
  SectionReadResult result;
  const Section s = readSectionText(text, 1, &result);
  EXPECT_TRUE(result.messages.empty()) << messageTexts(result);
  const List<StiffenerEnd>& read = s.Panels.at(1).Stiffeners.at(1).Ends;
  ASSERT_EQ(read.count(), kMaxStiffenerEnds);
  EXPECT_EQ(read.last().Y, 132.5F);
  EXPECT_EQ(read.last().Side, 1);
  ASSERT_EQ(s.Compartments.at(1).NodeRefs.count(), kMaxNodeRefs);
  EXPECT_EQ(s.Compartments.at(1).NodeRefs.last(), (NodeRef{1, 199}));
}

// ---- Framing and the other kinds of block ---------------------------------

TEST(SectionReaderBlocks, TheNextBlockEndsTheSection) {
  Section second = sampleSection({.panels = 2, .compartments = 2});
  second.Name = "Second";
  const std::string text = smallBlock() + sectionBlockText(second, 2);
  EXPECT_EQ(readSectionText(text, 1), readSectionText(smallBlock()));
  SectionReadResult result;
  EXPECT_EQ(readSectionText(text, 2, &result), second);
  EXPECT_EQ(result.status, SectionReadStatus::Read);
}

TEST(SectionReaderBlocks, AMissingBlockIsNotRead) {
  Section s = sampleSection({});
  const SectionReadResult result = readSectionFromBytes(smallBlock(), "test.ko2", 9, s, false);
  EXPECT_EQ(result.status, SectionReadStatus::BlockNotFound);
  EXPECT_FALSE(result.found());
  EXPECT_LT(result.version, 0.0F);
  EXPECT_EQ(messageTexts(result), "test.ko2: Can not find block 9 in file 'test.ko2'\n");
  EXPECT_EQ(s, Section{});
}

TEST(SectionReaderBlocks, TorsionDataIsNeverRead) {
  const std::string text =
      crlf({"------------------ BLOCK ------------------", "*", " 1 ", "TORSION", " 1 \t 2 ",
            "------------------ GENERAL DATA ------------------", "Not a section"}) +
      sectionBlockText(sampleSection({}), 2);
  for (const bool refuseZel : {false, true}) {
    Section s;
    const SectionReadResult result = readSectionFromBytes(text, "t.ko2", 1, s, refuseZel);
    EXPECT_EQ(result.status, SectionReadStatus::TorsionBlock);
    EXPECT_LT(result.version, 0.0F);
    EXPECT_NE(messageTexts(result).find("torsion"), std::string::npos);
    EXPECT_EQ(s, Section{});
  }
}

TEST(SectionReaderBlocks, AMissingFileGivesTheDatabaseMessage) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "korain-no-such-database.ko2").string();
  Section s = sampleSection({});
  const SectionReadResult result = readSection(path, 1, s, false);
  EXPECT_EQ(result.status, SectionReadStatus::FileMissing);
  EXPECT_LT(result.version, 0.0F);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages.front().file, path);
  EXPECT_TRUE(result.messages.front().text.starts_with(korainString(1083)));
  EXPECT_EQ(s, Section{});
}

}  // namespace
}  // namespace korain::testing
