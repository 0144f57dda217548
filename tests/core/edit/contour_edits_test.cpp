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
  before.CurBulkhead = 1;
  List<Node> triangle;
  for (const Node& n : {straightNode(0, 0), straightNode(4, 0), straightNode(0, 3)}) {
    triangle.append(n);
  }
  const struct {
    int k;
    List<Node> nodes;
    bool done;
    int bulkheads;
    int changed;  // the bulkhead holding the contour, 0 when refused
  } cases[] = {
      {2, triangle, true, 2, 2},   {0, triangle, true, 3, 3}, {3, triangle, false, 2, 0},
      {-1, triangle, false, 2, 0}, {1, {}, false, 2, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.k);
    Arrangement a = before;
    EXPECT_EQ(replaceContour(a, c.k, c.nodes, 5), c.done);
    ASSERT_EQ(a.Bulkheads.count(), c.bulkheads);
    if (!c.done) {
      EXPECT_EQ(a, before);
      continue;
    }
    EXPECT_EQ(a.CurBulkhead, c.changed);
    for (int k = 1; k <= a.Bulkheads.count(); ++k) {
      const Bulkhead& bulkhead = a.Bulkheads.at(k);
      EXPECT_EQ(bulkhead.Nodes, k == c.changed ? triangle : before.Bulkheads.at(k).Nodes) << k;
    }
    EXPECT_EQ(a.Bulkheads.at(c.changed).CurNode, 1);
    if (c.k == 0) {
      EXPECT_EQ(a.Bulkheads.at(c.changed).iMat, 5);
    }
  }
}

}  // namespace
}  // namespace korain::testing
