// What the ZEL writer puts on file, line by line where it matters, and that reading it back and
// writing again keeps every byte.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

bool hasLine(const std::string& text, const std::string& line) {
  return text.find("\r\n" + line + "\r\n") != std::string::npos;
}

bool hasBanner(const std::string& text, const std::string& name) {
  return hasLine(text, "------------------ " + name + " ------------------");
}

TEST(ZelRoundTrip, WriteReadWriteGivesTheSameBytesAndFields) {
  const SampleSize bare{3, 0, 0, 0, 0, 0, 0, 0};  // bulkheads without any parts
  const SampleSize large{7, 40, 9, 25, 4, 6, 5, 12};
  for (const SampleSize& size :
       {SampleSize{}, SampleSize{.bulkheads = 0}, SampleSize{.spans = 0}, bare, large}) {
    const Arrangement original = sampleArrangement(size);
    const std::string first = zelText(original);
    ZelReadResult result;
    const Arrangement read = readBack(first, 1, &result);
    EXPECT_EQ(result.status, ZelReadStatus::Read);
    EXPECT_TRUE(result.messages.empty()) << result.messages.front().toString();
    EXPECT_FLOAT_EQ(result.version, 0.443F);
    EXPECT_EQ(read, original) << size.bulkheads << " bulkheads";
    EXPECT_EQ(zelText(read), first) << size.bulkheads << " bulkheads";
  }
}

TEST(ZelWriterNames, BulkheadNamesTakeExactlyFortyCharactersAndReadBackTrimmed) {
  Arrangement a = sampleArrangement({.bulkheads = 2});
  a.Bulkheads.at(1).Name = std::string(45, 'L');
  a.Bulkheads.at(2).Name = "Aft";
  const std::string text = zelText(a);
  EXPECT_NE(text.find("\r\n" + std::string(40, 'L') + "\t 1 "), std::string::npos);
  EXPECT_NE(text.find("\r\nAft" + std::string(37, ' ') + "\t"), std::string::npos);
  const Arrangement read = readBack(text);
  EXPECT_EQ(read.Bulkheads.at(1).Name, std::string(40, 'L'));
  EXPECT_EQ(read.Bulkheads.at(2).Name, "Aft");
}

// The blank that keeps a name from reading as a comment comes on top of its
// forty characters: none of them is cut off.
TEST(ZelWriterNames, AFullNameThatLooksLikeACommentKeepsEveryCharacter) {
  Arrangement a = sampleArrangement({.bulkheads = 1});
  a.Bulkheads.first().Name = "*" + std::string(38, 'S') + "Z";
  EXPECT_EQ(readBack(zelText(a)).Bulkheads.first().Name, a.Bulkheads.first().Name);
}

// Line breaks and tabs inside names cannot tear the block; names that look like
// comments or banners still read as names.
TEST(ZelWriterNames, NoNameCanTearTheBlock) {
  Arrangement a = sampleArrangement({.bulkheads = 2});
  a.Name = "Two\r\nlines";
  a.Bulkheads.at(1).Name = "Tab\there";
  a.Bulkheads.at(2).Name = "------ dashed";
  a.Bulkheads.at(2).Compartments.at(1).Name = "*hold";
  Arrangement read = readBack(zelText(a));
  EXPECT_EQ(read.Name, "Two  lines");
  EXPECT_EQ(read.Bulkheads.at(1).Name, "Tab here");
  EXPECT_EQ(read.Bulkheads.at(2).Name, "----- - dashed");
  EXPECT_EQ(read.Bulkheads.at(2).Compartments.at(1).Name, "*hold");
  EXPECT_EQ(read.Bulkheads.at(1).Nodes, a.Bulkheads.at(1).Nodes);
  EXPECT_EQ(read.Bulkheads.at(2).Compartments.at(2), a.Bulkheads.at(2).Compartments.at(2));
  a.Name = "*starred";
  EXPECT_EQ(readBack(zelText(a)).Name, "*starred");
}

TEST(ZelWriterEncoding, TextIsWindows1252AndForeignCharactersBecomeQuestionMarks) {
  Arrangement a = sampleArrangement({.bulkheads = 1});
  a.Name = "Cloison n° 3 – Ω";
  std::string out;
  const ZelWriteResult result = writeZelBlock(out, a, 1, fixedContext());
  EXPECT_EQ(result.unmappableCharacters, 1);
  EXPECT_TRUE(hasLine(out, "Cloison n\xB0 3 \x96 ?"));
  EXPECT_NE(out.find("Abs\xB0\t"), std::string::npos);
  EXPECT_EQ(readBack(out).Name, "Cloison n° 3 – ?");
}

TEST(ZelWriterParts, EmptyListsLeaveOutTheirPartsButNotTheAlwaysWrittenOnes) {
  const std::string text = zelText(
      sampleArrangement({.bulkheads = 2, .nodes = 0, .primaryMembers = 0, .stiffeners = 0}));
  for (const char* absent :
       {"NODES", "PRIMARY STIFF", "SECONDARY STIFF", "BRACK SCANT", "SPAN SCANT", "SPAN BRACK"}) {
    EXPECT_FALSE(hasBanner(text, absent)) << absent;
  }
  for (const char* present : {"BH CORR", "BH STRAKE", "COMPARTMENT RECORD", "COMPARTMENTS"}) {
    EXPECT_TRUE(hasBanner(text, present)) << present;
  }
}

TEST(ZelWriterParts, SpanPartsAppearOnlyForSpansThatNeedThem) {
  Arrangement a = sampleArrangement({.bulkheads = 1, .stiffeners = 1, .spans = 1});
  StiffenerSpan& span = a.Bulkheads.at(1).Stiffeners.at(1).Spans.at(1);
  span = StiffenerSpan{};
  EXPECT_FALSE(hasBanner(zelText(a), "SPAN SCANT"));
  EXPECT_FALSE(hasBanner(zelText(a), "SPAN BRACK"));
  span.UpperBracketLength = 0.5F;
  const std::string text = zelText(a);
  EXPECT_TRUE(hasBanner(text, "SPAN BRACK"));
  EXPECT_TRUE(hasLine(text, " 1 \t 1 \t 1 \t 0 \t .5 "));
}

TEST(ZelWriterValues, LinesCarryTheFreeFormAndTheFormatsOfTheirColumns) {
  Arrangement a = sampleArrangement(
      {.bulkheads = 1, .nodes = 1, .primaryMembers = 1, .stiffeners = 1, .spans = 0});
  a.Bulkheads.at(1).Nodes.at(1).Y = -0.5F;
  a.Bulkheads.at(1).Nodes.at(1).Z = 12.0F;
  a.Bulkheads.at(1).PrimaryMembers.at(1).Extremities.append(1.25F);
  a.Bulkheads.at(1).PrimaryMembers.at(1).Extremities.append(30.5F);
  const std::string text = zelText(a);
  EXPECT_TRUE(hasLine(text, " .443 "));
  EXPECT_TRUE(hasLine(text, " 1 \t-0.5\t12.0\t 1 \t 1 \t 1 \t 1 \t 0 \t 0 \t 0 \t 0 \t 1 \t 0 "));
  EXPECT_TRUE(hasLine(text, " 1 \t 1 \t 2.75 \t1.250\t30.500"));
  EXPECT_TRUE(
      hasLine(text, " 1 \t-11.2 \t 2 \t 220 \t 11 \t 70 \t 14 \t 2 \t 0 \t0.000\t0.000\t 0 \t 1 "));
}

// An arrangement without an ID receives one that is kept; the program comments
// name who wrote the block.
TEST(ZelWriterIdentity, TheIdAndTheProgramComments) {
  Arrangement a = sampleArrangement({.bulkheads = 1});
  a.ID.clear();
  ZelWriteContext context = fixedContext();
  std::string out;
  writeZelBlock(out, a, 4, context);
  EXPECT_EQ(a.ID.size(), 38U);
  EXPECT_TRUE(hasLine(out, a.ID));
  EXPECT_EQ(readBack(out, 4).ID, a.ID);
  EXPECT_NE(out.find(" 1.0 R1 32bit\r\n"), std::string::npos);
  EXPECT_NE(out.find(" : tester, yard, 05/12/2026 10:30:00\r\n"), std::string::npos);
  EXPECT_EQ(out.find("Hull 4711"), std::string::npos);
  context.identification = "Hull 4711";
  out.clear();
  writeZelBlock(out, a, 1, context);
  EXPECT_NE(out.find("Hull 4711\r\n"), std::string::npos);
}

}  // namespace
}  // namespace korain::testing
