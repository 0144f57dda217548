// An imported contour replaces one bulkhead's nodes, or comes as a new bulkhead,
// and nothing else of the arrangement moves.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/contour_edits.h"

#include <gtest/gtest.h>

#include "../geometry/geometry_test_support.h"

namespace korain::testing {
namespace {

TEST(ReplaceContour, ReplacesBulkheadKOrAppendsAndRefusesWhatIsNotThere) {
  Arrangement before;
  before.Bulkheads.append(rectangle(true, "A"));
  before.Bulkheads.append(rectangle(false, "B"));
  const List<Node> triangle = bulkheadThrough({straightNode(0, 0), straightNode(4, 0)}).Nodes;
  // k, nodes, then the bulkhead that holds them (0: refused) and how many there are.
  const std::tuple<int, List<Node>, int, int> cases[] = {
      {2, triangle, 2, 2}, {0, triangle, 3, 3}, {3, triangle, 0, 2}, {1, {}, 0, 2}};
  for (const auto& [k, nodes, changed, count] : cases) {
    Arrangement a = before;
    EXPECT_EQ(replaceContour(a, k, nodes, 5), changed != 0);
    ASSERT_EQ(a.Bulkheads.count(), count);
    for (int i = 1; i <= count; ++i) {
      EXPECT_EQ(a.Bulkheads.at(i).Nodes, i == changed ? triangle : before.Bulkheads.at(i).Nodes);
    }
    EXPECT_EQ(a.CurBulkhead, changed);
    EXPECT_EQ(a.Bulkheads.at(count).iMat, k == 0 ? 5 : 0);
  }
}

}  // namespace
}  // namespace korain::testing
