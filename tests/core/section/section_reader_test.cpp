// How the section reader reads its layout, old versions, damaged lines and the other kinds of
// block.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../io/zel_test_support.h"
#include "sample_arrangement.h"
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

// Two panels with one element of every kind each, and one compartment with the
// alternate loading set; its block's lines are damaged one at a time.
std::string smallBlock() {
  static const std::string bytes = testDataBytes("small_section.ko2");
  return bytes;
}

const Section& small() {
  static const Section section = readSectionText(smallBlock());
  return section;
}

// The small block with one whole line replaced; the test fails when it is missing.
std::string smallWithLine(const std::string& line, const std::string& replacement) {
  return withLine(smallBlock(), line, replacement);
}

// The number of a line of the small block.
int lineNumber(const std::string& line) {
  const std::string text = smallBlock();
  return 2 + static_cast<int>(std::ranges::count(text.substr(0, text.find("\n" + line)), '\n'));
}

const std::string kNodeLine = " 1 \t1.75\t1.375\t 2 \t 0 \t 0 \t 0 \t 1 \t 0 \t 0 \t 0 \t 0 \t 0 ";
const std::string kStiffenerLine = " 1 \t 2 \t2.65\t0.75\t 0 \t3.45\t0.75\t 0 ";
const std::string kRefsLine = " 3 \t 1 \t 1 \t 1 \t 2 \t 1 \t 1 \t";

// The one message expected, holding `part` and naming its line (any line when 0); none when
// `part` is empty.
void expectMessage(const SectionReadResult& result, const std::string& part, int line = 0) {
  if (part.empty()) {
    EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
    return;
  }
  ASSERT_EQ(result.messages.size(), 1U) << messagesText(result.messages);
  const FileMessage& message = result.messages.front();
  EXPECT_NE(message.text.find(part), std::string::npos) << messagesText(result.messages);
  EXPECT_EQ(message.file, "test.ko2");
  EXPECT_TRUE(line == 0 ? message.line > 0 : message.line == line) << message.line;
}

// The test data were written by the tests' section writer: reading them and writing again gives
// their bytes, the empty section included.
TEST(SectionReader, SectionsReadBackWhole) {
  Section empty;
  empty.Name = "Empty";
  for (const std::string& file : {testDataBytes("small_section.ko2"),
                                  testDataBytes("sample_section.ko2"), sectionBlockText(empty)}) {
    SectionReadResult result;
    const Section read = readSectionText(file, 1, &result);
    EXPECT_EQ(result.status, SectionReadStatus::Read) << messagesText(result.messages);
    EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
    EXPECT_EQ(sectionBlockText(read), file.substr(file.find("------------------ BLOCK")));
  }
  EXPECT_EQ(readSectionText(sectionBlockText(empty)), empty);
}

// The example's section blocks are laid out exactly as the tests' writer lays a section out, so
// the layout of file-format.md, the writer and the example cannot drift apart; and the midship
// section's hold is the forward compartment of the bulkhead in block 1. (That the other blocks of
// the example read without a message is korain-cli's tests' to check: its dump, ship and import
// runs of the example must leave standard error empty.)
TEST(ExampleDatabase, SectionsAgreeWithTheWriterAndTheArrangement) {
  std::string error;
  const std::string bytes = readFileBytes(KORAIN_EXAMPLES "/bulk_carrier.ko2", error).value_or("");
  const std::size_t third =
      bytes.find("------------------ BLOCK ------------------\r\n*\r\n 3 \r\n");
  ASSERT_NE(third, std::string::npos) << error;
  SectionReadResult midshipRead;
  SectionReadResult forePeakRead;
  const Section midship = readSectionText(bytes, 3, &midshipRead);
  const Section forePeak = readSectionText(bytes, 4, &forePeakRead);
  EXPECT_EQ(messagesText(midshipRead.messages) + messagesText(forePeakRead.messages), "");
  EXPECT_EQ(bytes.substr(third), sectionBlockText(midship, 3) + sectionBlockText(forePeak, 4));
  EXPECT_EQ(static_cast<const Compartment&>(midship.Compartments.at(1)),
            static_cast<const Compartment&>(readSectionText(bytes, 1).Compartments.at(1)));
}

// Line feeds alone, comments after every line, blank lines in the lists and an
// empty line before a record change nothing; the file's node numbers are not read.
TEST(SectionReader, LineEndsCommentsBlankLinesAndNodeNumbersChangeNothing) {
  const std::string text = smallBlock();
  std::string lineFeeds = text;
  std::erase(lineFeeds, '\r');
  EXPECT_EQ(readSectionText(lineFeeds), small());
  SectionReadResult result;
  EXPECT_EQ(readSectionText(withRemarksAndBlankLines(text, "Tank 1\t"), 1, &result), small());
  EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
  EXPECT_EQ(readSectionText(smallWithLine(
                kNodeLine, " 1 \t1.75\t1.375\t 7 \t 0 \t 0 \t 0 \t 1 \t 0 \t 0 \t 0 \t 0 \t 0 ")),
            small());
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
  for (const auto& [version, alternateLoading] :
       {std::pair{" 2.002 ", true}, std::pair{" 1.9998 ", true}, std::pair{" 1.9997 ", false},
        std::pair{" .443 ", false}, std::pair{"* no version", false}}) {
    const Section s = readSectionText(smallWithLine(" 2.002 ", version));
    ASSERT_EQ(s.Compartments.count(), 1) << version;
    const SectionCompartment& c = s.Compartments.at(1);
    EXPECT_EQ(c.Table3.at(1), alternateLoading ? -0.125F : 0.0F) << version;
    EXPECT_EQ(c.Flag6, alternateLoading) << version;
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
    SCOPED_TRACE(row.line);
    SectionReadResult result;
    const Section s = readSectionText(smallWithLine(kRefsLine, row.line), 1, &result);
    ASSERT_EQ(s.Compartments.count(), 1);
    const SectionCompartment& c = s.Compartments.at(1);
    EXPECT_EQ(std::vector<NodeRef>(c.NodeRefs.begin(), c.NodeRefs.end()), row.refs);
    EXPECT_EQ(c.A, 2) << "the next line is still line 3";
    EXPECT_EQ(result.status, SectionReadStatus::Read);
    expectMessage(result, row.message, lineNumber(kRefsLine));
  }
}

// Each row damages one line of the small block: the message names the problem,
// what came before the damage is kept, and nothing after an error that stops.
TEST(SectionReaderDamage, GivesItsMessageAndKeepsWhatWasRead) {
  using enum SectionReadStatus;
  const std::string strake = " 1 \t 11 \t0.0\t0.5\t2.4\t0.625\t 11.5 \t 2 ";
  const std::string general = " 88.5 \t 0 \t 6.25 \t 7.75 \t 2 \t .001 ";
  const struct {
    std::string line, replacement;
    SectionReadStatus status;
    std::string message;  // part of the one message expected; empty: none
  } rows[] = {
      {kNodeLine, " 0 \t16.0\t0.0", Stopped, "panel number 0 does not name one of the 2 panels"},
      {kNodeLine, "x\t16.0\t0.0", Stopped, "panel number (none)"},
      {kNodeLine, " 1E9 \t16.0", Stopped, "panel number 1000000000 does not name"},
      {kNodeLine, " 1 \t16,5\t0.0", Read, "value 2 is not a number"},
      {kNodeLine, " 1 ", Read, ""},
      {kStiffenerLine, " 9 \t 1 \t0.8\t0.0\t 0 ", Stopped, "panel number 9"},
      {kStiffenerLine, " 1 \t 133 \t0.8\t0.0\t 0 ", Read, "end count 133 is not between 0 and 132"},
      {kStiffenerLine, " 1 \t 3 \t0.8\t0.0\t 0 \t4.0\t0.0", Read, "holds 1 of the 3 ends"},
      {kStiffenerLine, " 1 \ttwo\t0.8\t0.0\t 0 ", Read, "value 2 is not a number"},
      {strake, " 1 \t 70000 \t0.0", Read, "value 2 is out of range"},
      {" 2 \t1.2\t1.0\t1.8\t1.25", "-2 \t16.0", Stopped, "panel number -2"},
      {" 1 \t1.3\t0.5\t1.9\t0.75", " 3.4 \t14.0", Stopped, "panel number 3.4"},
      {general, " 88.5 \t 1 \t 6 \t 7.8 \t 99999 \t .002 ", Read, "value 5 is out of range"},
      {"Panel 2\t 2 ", "Panel 2\tAH36", Read, "value 1 is not a number"},
      {" 1 \t1.5\t12.5\t8.25\t", " 134 \t", Read, "filling-level count 134"},
      {"------------------ STRAKES ------------------",
       "------------------ LONGITUDINALS ------------------", Read, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.replacement);
    SectionReadResult result;
    const Section s = readSectionText(smallWithLine(row.line, row.replacement), 1, &result);
    EXPECT_EQ(result.status, row.status) << messagesText(result.messages);
    EXPECT_TRUE(result.found());
    expectMessage(result, row.message);
    EXPECT_EQ(s.Name, "Sample section");
    EXPECT_TRUE(row.status != Stopped || !s.Compartments.isDimensioned()) << "read on";
  }
}

TEST(SectionReaderDamage, EveryCutOfTheBlockReadsWithoutHarm) {
  for (const std::string& text : {smallBlock(), testDataBytes("sample_section.ko2")}) {
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
  EXPECT_NE(messagesText(result.messages).find("more than 32767 panels"), std::string::npos);

  std::string records = crlf({"------------------ BLOCK ------------------", " 1 ", "SECTION",
                              "------------------ COMPARTMENT RECORD ------------------", " 1 ",
                              "------------------ COMPARTMENTS ------------------"});
  for (int c = 0; c <= kMaxSectionListLength + 5; ++c) records += "T\t\r\n";
  s = readSectionText(records, 1, &result);
  EXPECT_EQ(result.status, SectionReadStatus::Stopped);
  EXPECT_EQ(s.Compartments.count(), kMaxSectionListLength);
  EXPECT_NE(messagesText(result.messages).find("more than 32767 compartments"), std::string::npos);
}

TEST(SectionReaderLimits, LinesHoldAsManyEndsAndReferencesAsTheyCan) {
  std::string ends = " 1 \t 132 \t";
  for (int k = 1; k <= 132; ++k) ends += std::to_string(k) + ".5\t0.0\t 1 \t";
  std::string refs = " 199 \t";
  for (int k = 1; k <= 199; ++k) refs += " 1 \t " + std::to_string(k) + " \t";
  std::string text = smallWithLine(kStiffenerLine, ends);
  text.replace(text.find(kRefsLine), kRefsLine.size(), refs);
  SectionReadResult result;
  const Section s = readSectionText(text, 1, &result);
  EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
  const List<StiffenerEnd>& read = s.Panels.at(1).Stiffeners.at(1).Ends;
  ASSERT_EQ(read.count(), kMaxStiffenerEnds);
  EXPECT_EQ(read.last().Y, 132.5F);
  EXPECT_EQ(read.last().Side, 1);
  ASSERT_EQ(s.Compartments.at(1).NodeRefs.count(), kMaxNodeRefs);
  EXPECT_EQ(s.Compartments.at(1).NodeRefs.last(), (NodeRef{1, 199}));
}

// ---- Framing and the other kinds of block ---------------------------------

// A block that is missing, holds torsion data or holds a refused arrangement clears the section,
// gives no version and says why; so does a missing file.
TEST(SectionReaderBlocks, ARefusedBlockClearsTheSectionAndSaysWhy) {
  using enum SectionReadStatus;
  const std::string torsion =
      crlf({"------------------ BLOCK ------------------", "*", " 1 ", "TORSION", " 1 \t 2 ",
            "------------------ GENERAL DATA ------------------", "Not a section"}) +
      sectionBlockText(small(), 2);
  const std::string torsionMessage = "Block 1 of file 'test.ko2' holds torsion data, not a section";
  const struct {
    std::string bytes;
    Integer block;
    Arrangements arrangements;
    SectionReadStatus status;
    std::string message;
  } rows[] = {
      {smallBlock(), 9, Arrangements::ReadAsSections, BlockNotFound,
       "Can not find block 9 in file 'test.ko2'"},
      {torsion, 1, Arrangements::ReadAsSections, TorsionBlock, torsionMessage},
      {torsion, 1, Arrangements::Refuse, TorsionBlock, torsionMessage},
      {zelText(sampleArrangement({.bulkheads = 1})), 1, Arrangements::Refuse, ZelRefused,
       "Can not read BulkHead Arrangement"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    Section s = small();
    const SectionReadResult result =
        readSectionFromBytes(row.bytes, "test.ko2", row.block, s, row.arrangements);
    EXPECT_EQ(result.status, row.status);
    EXPECT_FALSE(result.found());
    EXPECT_LT(result.version, 0.0F);
    EXPECT_EQ(messagesText(result.messages), "test.ko2: " + row.message);
    EXPECT_EQ(s, Section{});
  }

  const std::string path = "/nonexistent/korain.ko2";
  Section s = small();
  const SectionReadResult result = readSection(path, 1, s, Arrangements::ReadAsSections);
  EXPECT_EQ(result.status, FileMissing);
  EXPECT_LT(result.version, 0.0F);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages.front().file, path);
  EXPECT_TRUE(result.messages.front().text.starts_with(korainString(text_id::kDatabaseMissing)));
  EXPECT_EQ(s, Section{});
}

}  // namespace
}  // namespace korain::testing
