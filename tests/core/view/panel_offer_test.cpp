// What each panel offers on the Tools menu, over arrangements with and without a
// current bulkhead and current objects, written out as the user sees them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel_offer.h"

#include <gtest/gtest.h>

#include <functional>

#include "sample_arrangement.h"

namespace korain {
namespace {

using P = PanelCode;

// Two bulkheads of 4 nodes, 2 members, 3 stiffeners and 2 bands; bulkhead 2 is
// current with node 3, member 2, band 1 and stiffeners 1 and 3 selected.
Arrangement withCurrentObjects() {
  Arrangement a = testing::sampleArrangement({.nodes = 4});
  a.CurBulkhead = 2;
  Bulkhead& b = a.Bulkheads.at(2);
  b.CurNode = 3;
  b.CurPrim = 2;
  b.CurBand = 1;
  for (int k = 1; k <= b.Stiffeners.count(); ++k) b.Stiffeners.at(k).Selected = k != 2;
  return a;
}

// The current bulkhead's indices outside their lists, nothing selected and
// one band left, which is never removed.
Arrangement withIndicesOutside() {
  Arrangement a = testing::sampleArrangement({.bulkheads = 1, .nodes = 4, .bands = 1});
  a.CurBulkhead = 1;
  Bulkhead& b = a.Bulkheads.at(1);
  b.CurNode = 9;
  b.CurPrim = 0;
  b.CurBand = 4;
  for (OrdinaryStiffener& s : b.Stiffeners) s.Selected = false;
  return a;
}

// A current bulkhead with empty lists.
Arrangement withEmptyLists() {
  Arrangement a = testing::sampleArrangement({.bulkheads = 1, .nodes = 0, .primaryMembers = 0});
  a.CurBulkhead = 1;
  return a;
}

// The current bulkhead beyond the list, as a removal may leave it.
Arrangement withBulkheadOutside() {
  Arrangement a = testing::sampleArrangement({});
  a.CurBulkhead = 3;
  return a;
}

struct Case {
  const char* what;
  std::function<Arrangement()> arrangement;
  P panel;
  PanelOffer offer;
};

TEST(PanelOffer, EachPanelOffersWhatItsListAllows) {
  const PanelOffer nothing{};
  const PanelOffer addOnly{true, false, false, ""};
  const Case cases[] = {
      {"empty", [] { return Arrangement{}; }, P::Bulkhead, addOnly},
      {"empty", [] { return Arrangement{}; }, P::Nodes, nothing},
      {"empty", [] { return Arrangement{}; }, P::StrakeBands, nothing},
      {"current objects", withCurrentObjects, P::Bulkhead, {true, true, false, "bulkhead 2"}},
      {"current objects", withCurrentObjects, P::Nodes, {true, true, true, "node 3"}},
      {"current objects",
       withCurrentObjects,
       P::PrimaryMembers,
       {true, true, false, "Primary supporting member 2"}},
      {"current objects",
       withCurrentObjects,
       P::OrdinaryStiffeners,
       {true, true, false, "2 ordinary stiff(s)"}},
      {"current objects", withCurrentObjects, P::StrakeBands, {true, true, false, "band 1"}},
      {"current objects", withCurrentObjects, P::Corrugation, nothing},
      {"current objects", withCurrentObjects, P::Compartments, nothing},
      {"current objects", withCurrentObjects, P::Display, nothing},
      {"current objects", withCurrentObjects, P::PlatingChecks, nothing},
      {"current objects", withCurrentObjects, P::StiffenerChecks, nothing},
      {"current objects", withCurrentObjects, P::Checks, nothing},
      // Delete is offered, yet names nothing: it asks nothing and removes nothing.
      {"indices outside", withIndicesOutside, P::Nodes, {true, true, true, ""}},
      {"indices outside", withIndicesOutside, P::PrimaryMembers, {true, true, false, ""}},
      {"indices outside", withIndicesOutside, P::OrdinaryStiffeners, addOnly},
      {"indices outside", withIndicesOutside, P::StrakeBands, addOnly},
      {"empty lists", withEmptyLists, P::Nodes, addOnly},
      {"empty lists", withEmptyLists, P::PrimaryMembers, addOnly},
      {"bulkhead outside", withBulkheadOutside, P::Bulkhead, {true, true, false, ""}},
      {"bulkhead outside", withBulkheadOutside, P::Nodes, nothing},
      {"bulkhead outside", withBulkheadOutside, P::OrdinaryStiffeners, nothing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.what << ", panel " << static_cast<int>(c.panel));
    const PanelOffer offer = panelOffer(c.panel, c.arrangement());
    EXPECT_EQ(offer.canAdd, c.offer.canAdd);
    EXPECT_EQ(offer.canRemove, c.offer.canRemove);
    EXPECT_EQ(offer.canInsert, c.offer.canInsert);
    EXPECT_EQ(offer.erasedObject, c.offer.erasedObject);
  }
}

}  // namespace
}  // namespace korain
