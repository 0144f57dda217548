// Writing an arrangement, reading it back and writing again keeps every byte.
#include <gtest/gtest.h>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

struct RoundTripCase {
  const char* name;
  SampleSize size;
};

std::string caseName(const ::testing::TestParamInfo<RoundTripCase>& param) {
  return param.param.name;
}

class ZelRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ZelRoundTrip, WriteReadWriteGivesTheSameBytesAndFields) {
  const Arrangement original = sampleArrangement(GetParam().size);
  const std::string first = zelText(original);
  ZelReadResult result;
  const Arrangement read = readBack(first, 1, &result);
  EXPECT_EQ(result.status, ZelReadStatus::Read);
  EXPECT_TRUE(result.messages.empty()) << result.messages.front().toString();
  EXPECT_FLOAT_EQ(result.version, 0.443F);
  EXPECT_EQ(read, original);
  EXPECT_EQ(zelText(read), first);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ZelRoundTrip,
                         ::testing::Values(RoundTripCase{"Typical", {}},
                                           RoundTripCase{"NoBulkheads", {.bulkheads = 0}},
                                           RoundTripCase{"BareBulkheads",
                                                         {.bulkheads = 3,
                                                          .nodes = 0,
                                                          .primaryMembers = 0,
                                                          .stiffeners = 0,
                                                          .spans = 0,
                                                          .bands = 0,
                                                          .strakesPerBand = 0,
                                                          .fillingLevels = 0}},
                                           RoundTripCase{"StiffenersWithoutSpans", {.spans = 0}},
                                           RoundTripCase{"Larger",
                                                         {.bulkheads = 7,
                                                          .nodes = 40,
                                                          .primaryMembers = 9,
                                                          .stiffeners = 25,
                                                          .spans = 4,
                                                          .bands = 6,
                                                          .strakesPerBand = 5,
                                                          .fillingLevels = 12}}),
                         caseName);

TEST(ZelRoundTrip, SeveralBlocksInOneFileAreReadByNumber) {
  Arrangement second = sampleArrangement({.bulkheads = 1});
  second.Name = "Second";
  const std::string file =
      "preamble line\r\n" + zelText(sampleArrangement({})) + zelText(second, 2);
  EXPECT_EQ(readBack(file, 2).Name, "Second");
  EXPECT_EQ(readBack(file, 1), sampleArrangement({}));
}

TEST(ZelRoundTrip, LineFeedOnlyFilesReadLikeCarriageReturnLineFeedOnes) {
  std::string text = zelText(sampleArrangement({}));
  std::erase(text, '\r');
  EXPECT_EQ(readBack(text), sampleArrangement({}));
}

}  // namespace
}  // namespace korain::testing
