// Writing an arrangement, reading it back and writing again keeps every byte.
#include <gtest/gtest.h>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

TEST(ZelRoundTrip, WriteReadWriteGivesTheSameBytesAndFields) {
  for (const SampleSize& size : {SampleSize{}, SampleSize{.bulkheads = 0}, SampleSize{.spans = 0},
                                 SampleSize{.bulkheads = 3,
                                 .nodes = 0,
                                 .primaryMembers = 0,
                                 .stiffeners = 0,
                                 .spans = 0,
                                 .bands = 0,
                                 .strakesPerBand = 0,
                                 .fillingLevels = 0},
                                 SampleSize{.bulkheads = 7,
                                 .nodes = 40,
                                 .primaryMembers = 9,
                                 .stiffeners = 25,
                                 .spans = 4,
                                 .bands = 6,
                                 .strakesPerBand = 5,
                                 .fillingLevels = 12}}) {
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

}  // namespace
}  // namespace korain::testing
