// How the ZEL reader treats old versions, damaged lines and awkward files.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

const Arrangement& sample() {
  static const Arrangement arrangement = sampleArrangement({.bulkheads = 2});
  return arrangement;
}

// The state line came with version 0.44, the span reduction with 0.441, the connection type
// with 0.442; older blocks leave them at their defaults.
TEST(ZelReaderVersions, PartsOfNewerVersionsReadAsDefaults) {
  const struct {
    const char* version;
    bool state, spanReduction, connection;
  } rows[] = {{" .43 ", false, false, false},
              {" .44 ", true, false, false},
              {" .4405 ", true, false, false},
              {" .441 ", true, true, false},
              {" .442 ", true, true, true}};
  for (const auto& row : rows) {
    std::string text = withLine(zelText(sample()), " .443 ", row.version);
    if (!row.state) text = withLine(text, " 2 \t 3 ", "* state line of a newer file, removed");
    const Arrangement read = readBack(text);
    EXPECT_EQ(read.StateType, row.state ? 2 : 1) << row.version;
    EXPECT_EQ(read.StateIndex, row.state ? 3 : 1) << row.version;
    EXPECT_EQ(read.ID, sample().ID) << row.version;
    for (int i = 1; i <= 3; ++i) {
      const OrdinaryStiffener& s = read.Bulkheads.at(1).Stiffeners.at(i);
      const OrdinaryStiffener& written = sample().Bulkheads.at(1).Stiffeners.at(i);
      EXPECT_EQ(s.SpanReduction, row.spanReduction ? written.SpanReduction : 0) << row.version;
      EXPECT_EQ(s.TypeConn, row.connection ? written.TypeConn : 0) << row.version;
    }
  }
  const Arrangement below = readBack(withLine(zelText(sample()), " 2 \t 3 ", "-4 \t 0 "));
  EXPECT_EQ(below.StateType, 1) << "a state below one becomes one";
  EXPECT_EQ(below.StateIndex, 1);
}

TEST(ZelReaderLines, AnyNonZeroFlagIsSet) {
  const std::string line =
      "Bulkhead 1                              \t 1 \t 2 \t 0 \t 1 \t-1 \t 3.5 "
      "\t-1 \t 14.25 \t-1 \t 0 \t 0 \t 0 \t 0 ";
  const std::string changed = "Bulkhead 1\t 1 \t 2 \t 0 \t 1 \t 7 \t 3.5 \t .5 \t 14.25 \t-3 ";
  const Arrangement read = readBack(withLine(zelText(sample()), line, changed));
  const Bulkhead& b = read.Bulkheads.at(1);
  EXPECT_TRUE(b.Stool1Enabled && b.Stool2Enabled && b.UpperStoolSloped);
  EXPECT_NE(zelText(read).find("\t 0 \t 1 \t-1 \t 3.5 \t-1 \t 14.25 \t-1 \t"), std::string::npos)
      << "flags are written as 0 or -1";
}

TEST(ZelReaderLines, AStrakeIndexBeyondTheListGrowsItWithClearedStrakes) {
  std::string text = zelText(sample());
  text = withLine(text, " 1 \t 1 \t 2 \t 3.5 \t 4.8 \t 12.5 \t 3 ",
                  " 1 \t 1 \t 4 \t 3.5 \t 9 \t 15 \t 2 ");
  const Arrangement read = readBack(text);
  const StrakeBand& band = read.Bulkheads.at(1).StrakeBands.at(1);
  ASSERT_EQ(band.Strakes.count(), 4);
  EXPECT_TRUE(band.Strakes.at(2) == Strake{} && band.Strakes.at(3) == Strake{});
  EXPECT_EQ(band.Strakes.at(4).Th, 15.0F);
}

// Comments after every line, blank lines inside the parts, and bracket and span lines that address
// no stiffener or span are nothing.
TEST(ZelReaderLines, CommentsBlankLinesAndLinesAddressingNothingAreSkippedSilently) {
  std::string text = zelText(sample());
  for (const char* banner : {"------------------ BRACK SCANT ------------------",
                             "------------------ SPAN SCANT ------------------",
                             "------------------ SPAN BRACK ------------------"}) {
    text = withLine(text, banner,
                    std::string(banner) +
                        "\r\n 9 \t 1 \t 1 \t-1 \t 0 \t 1 \t 2 \t 3 \t 4 \t 5 \t 6 "
                        "\r\n 1 \t 99 \t 1 \t 1 \t 1 \r\n 1 \t 1 \t 9 \t 1 \t 1 "
                        "\r\n 1 \t 1 \t 0 \t 1 \t 1 \r\nnot numbers at all");
  }
  ZelReadResult result;
  EXPECT_EQ(readBack(withRemarksAndBlankLines(text, ""), 1, &result), sample());
  EXPECT_EQ(result.status, ZelReadStatus::Read);
  EXPECT_TRUE(result.messages.empty()) << messagesText(result.messages);
}

TEST(ZelReaderLines, ALineNamingAMissingBulkheadStopsTheReadingAndKeepsWhatWasRead) {
  std::string text = zelText(sample());
  const std::string primaryLine = " 2 \t 1 \t 2.75 ";
  text = withLine(text, primaryLine, " 3 \t 1 \t 2.75 ");
  ZelReadResult result;
  const Arrangement read = readBack(text, 1, &result);
  EXPECT_EQ(result.status, ZelReadStatus::Stopped);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_GT(result.messages[0].line, 0);
  EXPECT_NE(result.messages[0].text.find("bulkhead number 3"), std::string::npos);
  EXPECT_EQ(read.Bulkheads.count(), 2);
  EXPECT_EQ(read.Bulkheads.at(2).Nodes, sample().Bulkheads.at(2).Nodes);
  EXPECT_FALSE(read.Bulkheads.at(1).Stiffeners.isDimensioned());
}

// The Integer material index of bulkhead 1 is value 2 of its line.
TEST(ZelReaderLines, ABadValueLeavesItsFieldAndReportsTheLine) {
  const std::string line = "Bulkhead 1                              \t 1 \t 2 \t 0 ";
  for (const auto& [value, problem] :
       {std::pair{"two", "not a number"}, std::pair{"nan", "not a number"},
        std::pair{"40000", "out of range"}, std::pair{"1e12", "out of range"}}) {
    std::string text = zelText(sample());
    text.replace(text.find(line), line.size(), "Bulkhead 1\t 1 \t" + std::string(value) + "\t 0 ");
    ZelReadResult result;
    const Arrangement read = readBack(text, 1, &result);
    EXPECT_EQ(read.Bulkheads.at(1).iMat, 0) << value;
    EXPECT_EQ(read.Bulkheads.at(1).stfHV, 0) << "later values keep their place";
    EXPECT_EQ(read.Bulkheads.at(1).Stool1Z, 3.5F) << value;
    ASSERT_EQ(result.messages.size(), 1U) << value;
    EXPECT_EQ(result.messages[0].line, 28);
    EXPECT_NE(result.messages[0].text.find(problem), std::string::npos) << result.messages[0].text;
  }
}

// A file that ends inside a block (copied or saved incompletely) keeps what
// was read and says where it ends; a whole block at the end of a file, or a
// block followed by the next one, is read without a word.
TEST(ZelReaderLines, AFileEndingInsideTheBlockIsReportedWhereItEnds) {
  const std::string whole = zelText(sample());
  const std::size_t records = whole.find("------------------ COMPARTMENTS");
  const std::size_t secondRecord = whole.find("Hold 1 aft");
  ASSERT_NE(records, std::string::npos);
  ASSERT_NE(secondRecord, std::string::npos);
  const std::string nextBlock = "------------------ BLOCK ------------------\r\n 2 \r\n";
  const struct {
    std::string text;
    const char* where;  // in the message; none when the block is whole
  } cases[] = {{whole, nullptr},
               {whole + nextBlock, nullptr},
               {whole.substr(0, records) + nextBlock, nullptr},  // ended by a block, not the file
               {whole.substr(0, records), "before its compartment records"},
               {whole.substr(0, secondRecord + 20), "after 1 of its 4 compartment records"}};
  for (const auto& c : cases) {
    ZelReadResult result;
    const Arrangement read = readBack(c.text, 1, &result);
    EXPECT_EQ(read.Bulkheads.count(), 2);
    if (c.where == nullptr) {
      EXPECT_EQ(result.status, ZelReadStatus::Read);
      EXPECT_TRUE(result.messages.empty());
      continue;
    }
    EXPECT_EQ(result.status, ZelReadStatus::Stopped) << c.where;
    ASSERT_EQ(result.messages.size(), 1U) << c.where;
    const int lastLine = static_cast<int>(std::count(c.text.begin(), c.text.end(), '\n')) +
                         (c.text.ends_with('\n') ? 0 : 1);
    EXPECT_EQ(result.messages[0].line, lastLine) << c.where;
    EXPECT_EQ(result.messages[0].file, "test.ko2");
    EXPECT_NE(result.messages[0].text.find(c.where), std::string::npos) << result.messages[0].text;
  }
}

TEST(ZelReaderLimits, HugeCountsDoNotClaimMemory) {
  std::string text = zelText(sampleArrangement({.bulkheads = 1, .spans = 2}));
  const std::size_t nspan = text.find("\t 2 \t0.000\t0.000\t");
  ASSERT_NE(nspan, std::string::npos);
  text.replace(nspan, 4, "\t 2000000000 ");
  text = withLine(text, " 1 \t 1 \t 1 \t 3.5 \t 2.4 \t 12 \t 2 ",
                  " 1 \t 30000 \t 1 \t 3.5 \t 2.4 \t 12 \t 2 ");
  ZelReadResult result;
  const Arrangement read = readBack(text, 1, &result);
  EXPECT_FALSE(read.Bulkheads.at(1).Stiffeners.at(1).Spans.isDimensioned());
  EXPECT_EQ(result.status, ZelReadStatus::Stopped);
  EXPECT_EQ(result.messages.size(), 2U);
}

TEST(ZelReaderFiles, AMissingFileOrAFolderIsReportedWithItsName) {
  Arrangement arrangement = sample();
  ZelReadResult result = readZelBlock("/nonexistent/ship.ko2", 1, arrangement);
  EXPECT_EQ(result.status, ZelReadStatus::FileMissing);
  EXPECT_EQ(result.version, 0.0F);
  EXPECT_EQ(arrangement, Arrangement{});
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages[0].file, "/nonexistent/ship.ko2");
  result = readZelBlock(std::filesystem::temp_directory_path().string(), 1, arrangement);
  EXPECT_EQ(result.status, ZelReadStatus::FileMissing);
}

TEST(ZelReaderFiles, AMissingBlockOrOneOfAnotherKindGivesMinusOneAndTheMessage) {
  std::string text = zelText(sample());
  ZelReadResult result;
  readBack(text, 3, &result);
  EXPECT_EQ(result.status, ZelReadStatus::BlockNotFound);
  EXPECT_EQ(result.version, -1.0F);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages[0].text, "Can not find ZEL 3 in file 'test.ko2'");
  text.replace(text.find("\r\nZEL\r\n") + 2, 3, "TORSION");
  readBack(text, 1, &result);
  EXPECT_EQ(result.status, ZelReadStatus::BlockNotFound);
}

TEST(ZelReaderFiles, EveryTruncationReadsWithoutHarm) {
  const std::string text =
      zelText(sampleArrangement({.bulkheads = 1, .nodes = 2, .stiffeners = 1}));
  for (std::size_t length = 0; length <= text.size(); length += 7) {
    Arrangement read;
    readZelBlockFromBytes(std::string_view(text).substr(0, length), "cut.ko2", 1, read);
    EXPECT_LE(read.Bulkheads.count(), 2) << "a cut banner reads as one more bulkhead at most";
  }
}

TEST(ZelReaderFiles, NulBytesAndAMegabyteLineAreJustText) {
  std::string text = zelText(sample());
  text =
      withLine(text, "Sample arrangement", std::string("Sam\0ple", 7) + std::string(1 << 20, 'x'));
  ZelReadResult result;
  const Arrangement read = readBack(text, 1, &result);
  EXPECT_EQ(read.Name.size(), 7U + (1U << 20));
  EXPECT_EQ(read.Bulkheads, sample().Bulkheads);
}

// Reading from a file takes only the block out of it; what is read, and the
// line numbers of the messages, are those of reading the whole file.
TEST(ZelReaderFiles, AFileReadsAsItsBytesWouldBlockByBlock) {
  const std::string preamble = "* preamble\r\n* more\r\n";
  const std::string first = zelText(sample(), 1);
  std::string damaged =
      withLine(zelText(sampleArrangement({.bulkheads = 1}), 2), "Sample arrangement", "Damaged");
  damaged = withLine(damaged, " 2 ", " 2 \r\n*\r\n* comment");
  const std::string wrongKeyword =
      withLine(zelText(sample(), 3), "ZEL", "------------------ BLOCK ------------------");
  const std::string twice = zelText(sample(), 4) + zelText(sampleArrangement({}), 4);
  std::string bad = zelText(sample(), 5);
  bad.replace(bad.find(" 123.25 "), 8, " x123.25 ");
  const std::string bytes = preamble + first + damaged + wrongKeyword + twice + bad;
  const std::string path = (std::filesystem::temp_directory_path() / "korain-extract.ko2").string();
  std::ofstream(path, std::ios::binary) << bytes;
  for (Integer n = 1; n <= 6; ++n) {
    SCOPED_TRACE(n);
    Arrangement fromFile;
    Arrangement fromBytes;
    const ZelReadResult file = readZelBlock(path, n, fromFile);
    const ZelReadResult whole = readZelBlockFromBytes(bytes, path, n, fromBytes);
    EXPECT_EQ(file.status, whole.status);
    EXPECT_EQ(file.version, whole.version);
    EXPECT_EQ(fromFile, fromBytes);
    EXPECT_EQ(messagesText(file.messages), messagesText(whole.messages));
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace korain::testing
