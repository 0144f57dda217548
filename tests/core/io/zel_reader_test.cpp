// How the ZEL reader treats old versions, damaged lines and awkward files.
#include <gtest/gtest.h>

#include <filesystem>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

// Replaces the first occurrence of a whole line; the test fails when it is missing.
std::string withLine(std::string text, const std::string& line, const std::string& replacement) {
  const std::string needle = "\r\n" + line + "\r\n";
  const std::size_t at = text.find(needle);
  EXPECT_NE(at, std::string::npos) << "no line '" << line << "'";
  if (at != std::string::npos) text.replace(at + 2, line.size(), replacement);
  return text;
}

std::string withVersion(const std::string& text, const std::string& version) {
  return withLine(text, " .443 ", version);
}

const Arrangement& sample() {
  static const Arrangement arrangement = sampleArrangement({.bulkheads = 2});
  return arrangement;
}

TEST(ZelReaderVersions, BeforeSpanReductionAndConnectionBothReadAsZero) {
  const Arrangement read = readBack(withVersion(zelText(sample()), " .4405 "));
  ASSERT_GE(read.Bulkheads.count(), 1);
  for (const OrdinaryStiffener& s : read.Bulkheads.at(1).Stiffeners) {
    EXPECT_EQ(s.SpanReduction, 0.0F);
    EXPECT_EQ(s.TypeConn, 0);
  }
}

TEST(ZelReaderVersions, BeforeConnectionTypeOnlyTheConnectionReadsAsZero) {
  const Arrangement read = readBack(withVersion(zelText(sample()), " .441 "));
  const OrdinaryStiffener& second = read.Bulkheads.at(1).Stiffeners.at(2);
  EXPECT_EQ(second.SpanReduction, 0.25F);
  EXPECT_EQ(second.TypeConn, 0);
}

TEST(ZelReaderVersions, BeforeStateLineTheStateStaysAtOneAndTheIdIsTheNextLine) {
  std::string text = withVersion(zelText(sample()), " .43 ");
  text = withLine(text, " 2 \t 3 ", "* state line of a newer file, removed");
  const Arrangement read = readBack(text);
  EXPECT_EQ(read.StateType, 1);
  EXPECT_EQ(read.StateIndex, 1);
  EXPECT_EQ(read.ID, sample().ID);
}

TEST(ZelReaderVersions, StateBelowOneBecomesOne) {
  const Arrangement read = readBack(withLine(zelText(sample()), " 2 \t 3 ", "-4 \t 0 "));
  EXPECT_EQ(read.StateType, 1);
  EXPECT_EQ(read.StateIndex, 1);
}

TEST(ZelReaderLines, CommentsAnywhereAreIgnored) {
  std::string text = zelText(sample());
  std::string commented;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start) + 2;
    commented += text.substr(start, end - start) + "* a remark\r\n*\r\n";
    start = end;
  }
  EXPECT_EQ(readBack(commented), sample());
}

TEST(ZelReaderLines, BlankLinesInsideThePartsAreNothing) {
  std::string text = zelText(sample());
  const std::size_t compartments = text.find("------------------ COMPARTMENT RECORD");
  std::string parts = text.substr(0, compartments);
  for (std::size_t at = parts.find("\r\n 1 \t"); at != std::string::npos;
       at = parts.find("\r\n 1 \t", at + 8)) {
    parts.insert(at, "\r\n \t ");
  }
  text = parts + text.substr(compartments);
  ZelReadResult result;
  EXPECT_EQ(readBack(text, 1, &result), sample());
  EXPECT_EQ(result.status, ZelReadStatus::Read);
}

TEST(ZelReaderLines, AnyNonZeroFlagIsSet) {
  const std::string line =
      "Bulkhead 1                              \t 1 \t 2 \t 0 \t 1 \t-1 \t 3.5 "
      "\t-1 \t 14.25 \t 0 \t 0 \t 0 \t 0 \t 0 ";
  const std::string changed = "Bulkhead 1\t 1 \t 2 \t 0 \t 1 \t 7 \t 3.5 \t .5 \t 14.25 \t-3 ";
  const Arrangement read = readBack(withLine(zelText(sample()), line, changed));
  const Bulkhead& b = read.Bulkheads.at(1);
  EXPECT_TRUE(b.Stool1Enabled);
  EXPECT_TRUE(b.Stool2Enabled);
  EXPECT_TRUE(b.UpperStoolSloped);
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
  EXPECT_EQ(band.Strakes.at(2), Strake{});
  EXPECT_EQ(band.Strakes.at(3), Strake{});
  EXPECT_EQ(band.Strakes.at(4).Th, 15.0F);
}

TEST(ZelReaderLines, BracketAndSpanLinesAddressingNothingAreSkippedSilently) {
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
  EXPECT_EQ(readBack(text, 1, &result), sample());
  EXPECT_EQ(result.status, ZelReadStatus::Read);
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

struct BadValueCase {
  const char* name;
  const char* value;
  const char* problem;
};

class ZelReaderBadValue : public ::testing::TestWithParam<BadValueCase> {};

// The Integer material index of bulkhead 1 is value 2 of its line.
TEST_P(ZelReaderBadValue, LeavesTheFieldAndReportsTheLine) {
  const std::string line = "Bulkhead 1                              \t 1 \t 2 \t 0 ";
  std::string text = zelText(sample());
  const std::size_t at = text.find(line);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, line.size(), "Bulkhead 1\t 1 \t" + std::string(GetParam().value) + "\t 0 ");
  ZelReadResult result;
  const Arrangement read = readBack(text, 1, &result);
  EXPECT_EQ(read.Bulkheads.at(1).iMat, 0);
  EXPECT_EQ(read.Bulkheads.at(1).stfHV, 0) << "later values keep their place";
  EXPECT_EQ(read.Bulkheads.at(1).Stool1Z, 3.5F);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages[0].line, 28);
  EXPECT_NE(result.messages[0].text.find(GetParam().problem), std::string::npos)
      << result.messages[0].text;
}

INSTANTIATE_TEST_SUITE_P(Values, ZelReaderBadValue,
                         ::testing::Values(BadValueCase{"Word", "two", "not a number"},
                                           BadValueCase{"NotANumber", "nan", "not a number"},
                                           BadValueCase{"Infinite", "-inf", "not a number"},
                                           BadValueCase{"DecimalComma", "2,5", "not a number"},
                                           BadValueCase{"BeyondInteger", "40000", "out of range"},
                                           BadValueCase{"BeyondLong", "1e12", "out of range"}),
                         [](const ::testing::TestParamInfo<BadValueCase>& param) {
                           return param.param.name;
                         });

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

TEST(ZelReaderFiles, AMissingFileIsReportedWithItsName) {
  Arrangement arrangement = sample();
  const ZelReadResult result = readZelBlock("/nonexistent/ship.ko2", 1, arrangement);
  EXPECT_EQ(result.status, ZelReadStatus::FileMissing);
  EXPECT_EQ(result.version, 0.0F);
  EXPECT_EQ(arrangement, Arrangement{});
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages[0].file, "/nonexistent/ship.ko2");
}

TEST(ZelReaderFiles, AMissingBlockGivesMinusOneAndTheMessage) {
  ZelReadResult result;
  readBack(zelText(sample()), 3, &result);
  EXPECT_EQ(result.status, ZelReadStatus::BlockNotFound);
  EXPECT_EQ(result.version, -1.0F);
  ASSERT_EQ(result.messages.size(), 1U);
  EXPECT_EQ(result.messages[0].text, "Can not find ZEL 3 in file 'test.ko2'");
}

TEST(ZelReaderFiles, ABlockOfAnotherKindIsNotAnArrangement) {
  std::string text = zelText(sample());
  text.replace(text.find("\r\nZEL\r\n") + 2, 3, "TORSION");
  ZelReadResult result;
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

TEST(ZelReaderFiles, AFolderIsNotADatabase) {
  Arrangement arrangement;
  const ZelReadResult result =
      readZelBlock(std::filesystem::temp_directory_path().string(), 1, arrangement);
  EXPECT_EQ(result.status, ZelReadStatus::FileMissing);
}

}  // namespace
}  // namespace korain::testing
