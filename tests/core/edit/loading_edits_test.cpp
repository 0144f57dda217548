// The loading dialog's change: a standard run keeps the JBP run's second set
// of load data and its alternate loading as they were.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/loading_edits.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

Compartment loaded() {
  Compartment c;
  c.N = 4;
  for (int k = 1; k <= 10; ++k) {
    c.Table2.at(k) = static_cast<Single>(k);
    c.Table3.at(k) = static_cast<Single>(100 + k);
  }
  c.Flag6 = true;
  return c;
}

TEST(Loading, ShownFromTheStandardDataThenTheJbpHoldData) {
  const LoadingInput shown = loadingOf(loaded());
  EXPECT_EQ(shown, (LoadingInput{4, {1, 2, 3, 4, 5, 6, 7, 108, 109, 110}, true}));
}

TEST(Loading, OnlyAJbpRunWritesTheSecondSetAndTheAlternateLoading) {
  const LoadingInput input{6, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, false};
  for (const LoadingMode mode : {LoadingMode::Standard, LoadingMode::Jbp}) {
    SCOPED_TRACE(mode == LoadingMode::Jbp ? "JBP" : "standard");
    const Compartment before = loaded();
    Compartment after = before;
    setLoading(after, input, mode);
    EXPECT_EQ(after.N, 6);
    for (int k = 1; k <= 10; ++k) {
      EXPECT_EQ(after.Table2.at(k), k <= 7 ? Single(10 + k) : before.Table2.at(k)) << k;
      EXPECT_EQ(after.Table3.at(k), mode == LoadingMode::Jbp ? Single(10 + k) : before.Table3.at(k))
          << k;
    }
    EXPECT_EQ(after.Flag6, mode != LoadingMode::Jbp);
  }
}

}  // namespace
}  // namespace korain
