// The list edits that cannot happen: each tells why in its outcome, naming the
// index, and leaves the arrangement as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/edit_outcome.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "edit/band_edits.h"
#include "edit/bulkhead_edits.h"
#include "edit/member_edits.h"
#include "edit/node_edits.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

Bulkhead& first(Arrangement& a) { return a.Bulkheads.at(1); }

TEST(RefusedListEdits, TellTheIndexAndChangeNothing) {
  struct Case {
    const char* what;
    std::function<void(Arrangement&)> point;
    std::function<EditOutcome(Arrangement&)> edit;
    std::string message;
  };
  const Case cases[] = {
      {"bulkhead beyond the list", [](Arrangement& a) { a.CurBulkhead = 3; }, removeBulkhead,
       "RemoveElement failed for Bh 3"},
      {"no current node", [](Arrangement& a) { first(a).CurNode = 0; },
       [](Arrangement& a) { return removeNode(first(a)); }, "RemoveElement failed for node 0"},
      {"insertion after the last node", [](Arrangement&) {},
       [](Arrangement& a) { return insertNodeBefore(first(a), 7); },
       "InsertElement failed for node 7"},
      {"member beyond the list", [](Arrangement& a) { first(a).CurPrim = 3; },
       [](Arrangement& a) { return removeMember(first(a)); }, "RemoveElement failed for prim 3"},
      {"the last band", [](Arrangement& a) { first(a).StrakeBands.remove(2); },
       [](Arrangement& a) { return removeBand(first(a)); }, "RemoveElement failed for Band 1"},
      {"strake beyond its band", [](Arrangement& a) { first(a).StrakeBands.at(1).CurStrake = 3; },
       [](Arrangement& a) { return removeStrake(first(a)); }, "RemoveElement failed for strake 3"},
      {"strake without a current band", [](Arrangement& a) { first(a).CurBand = 0; },
       [](Arrangement& a) { return removeStrake(first(a)); }, "RemoveElement failed for strake 0"},
  };
  for (const Case& c : cases) {
    Arrangement pointed = sampleArrangement({});
    pointed.CurBulkhead = 1;
    first(pointed).CurBand = 1;
    c.point(pointed);
    Arrangement edited = pointed;
    const EditOutcome outcome = c.edit(edited);
    EXPECT_EQ(outcome, EditOutcome{.messages = {Message{.text = c.message}}}) << c.what;
    EXPECT_EQ(edited, pointed) << c.what;
  }
}

}  // namespace
}  // namespace korain::testing
