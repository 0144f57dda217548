// Writing an arrangement, reading it back and writing again keeps every byte.
#include <gtest/gtest.h>

#include "sample_arrangement.h"
#include "zel_test_support.h"

namespace korain::testing {
namespace {

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

}  // namespace
}  // namespace korain::testing
