// The compact list of the stiffener and span numbers of a row of alike spans.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/span_numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korain {
namespace {

using Texts = std::vector<std::string>;

TEST(SpanNumbers, NeighbouringStiffenersWithTheSameSpanMakeOneRunInAnyOrder) {
  const struct {
    std::vector<SpanNumber> numbers;
    Texts runs;
  } cases[] = {
      {{}, {}},
      {{{7, 2}, {2, 1}, {1, 1}, {3, 1}, {4, 1}, {5, 1}}, {"1-5/1", "7/2"}},
      {{{1, 1}, {3, 1}}, {"1/1", "3/1"}},            // a gap breaks the run
      {{{2, 1}, {1, 3}, {2, 3}}, {"1-2/3", "2/1"}},  // by first stiffener, then span
  };
  for (const auto& [numbers, runs] : cases) EXPECT_EQ(spanNumberRuns(numbers), runs);
}

TEST(SpanNumbers, RunsGoOnTheLinesTheyFitAndSayWhenTheyGoOn) {
  const Texts runs{"1-5/1", "7/2", "9/1", "10-20/3"};
  EXPECT_EQ(joinedRuns(runs, 80), Texts{"1-5/1, 7/2, 9/1, 10-20/3"});
  EXPECT_EQ(joinedRuns(runs, 12), (Texts{"1-5/1, 7/2,", "9/1,", "10-20/3"}));
  EXPECT_EQ(joinedRuns({"100-120/10"}, 4), Texts{"100-120/10"});  // too long stands alone
}

}  // namespace
}  // namespace korain
