// The menu and tool states for the model as it stands, and the panel code rules.
#include "view_state.h"

#include <gtest/gtest.h>

#include "sample_arrangement.h"

namespace korain::testing {
namespace {

Session sessionWith(int bulkheads, Long currentType, int currentNodes, Integer panelCode) {
  Session session;
  session.ship().L = 180;
  session.ship().B = 30;
  session.ship().D = 18;
  session.ship().CB = 0.8F;
  session.arrangement() = sampleArrangement({.bulkheads = bulkheads});
  session.arrangement().CurBulkhead = bulkheads > 0 ? 1 : 0;
  if (bulkheads > 0) {
    Bulkhead& current = session.arrangement().Bulkheads.at(1);
    current.Typ = currentType;
    current.Nodes.resize(currentNodes);
  }
  session.display().PanelCode = panelCode;
  return session;
}

using Tools = std::array<bool, kObjectToolCount>;

TEST(MenuState, ObjectToolsFollowTheCurrentBulkhead) {
  struct Case {
    const char* what;
    int bulkheads;
    Long type;
    int nodes;
    Tools tools;
  };
  const Case cases[] = {
      {"no bulkhead", 0, 0, 0, {true, false, false, false, false, false, false}},
      {"bulkhead without nodes", 2, 0, 0, {true, true, false, false, false, false, false}},
      {"plane bulkhead", 2, 1, 4, {true, true, true, true, false, true, true}},
      {"corrugated bulkhead", 2, 2, 4, {true, true, true, false, true, true, true}},
  };
  for (const Case& c : cases) {
    const MenuState state = menuState(sessionWith(c.bulkheads, c.type, c.nodes, 1), {});
    EXPECT_EQ(state.objectTools, c.tools) << c.what;
  }
}

TEST(MenuState, IncompleteMainDataDisablesTheObjectTools) {
  for (Single ShipData::*dimension : {&ShipData::L, &ShipData::B, &ShipData::D, &ShipData::CB}) {
    Session session = sessionWith(2, 0, 4, 1);
    EXPECT_TRUE(menuState(session, {}).mainDataComplete);
    session.ship().*dimension = 0;
    EXPECT_FALSE(menuState(session, {}).mainDataComplete);
  }
}

TEST(MenuState, AddDeleteTextsAndBulkheadStepsFollowThePanel) {
  struct Case {
    Integer code;
    int bulkheads;
    const char* add;
    int pressed;
    bool steps;
  };
  const Case cases[] = {
      {0, 3, "Add Bulkhead Arrangement", -1, false},
      {1, 3, "Add Bulkhead", 0, true},
      {1, 1, "Add Bulkhead", 0, false},
      {2, 3, "Add Node", 1, true},
      {3, 3, "Add Primary supporting members", 2, true},
      {10, 3, "Add ", -1, true},
      {11, 3, "Add ", -1, true},
  };
  for (const Case& c : cases) {
    const MenuState state =
        menuState(sessionWith(c.bulkheads, 0, 4, c.code),
                  {.exists = true, .canAdd = true, .canRemove = false, .canInsert = false});
    EXPECT_EQ(state.addText, c.add) << c.code;
    EXPECT_EQ(state.deleteText, "Delete" + std::string(c.add).substr(3)) << c.code;
    EXPECT_EQ(state.pressedObjectTool, c.pressed) << c.code;
    EXPECT_EQ(state.previousNextBulkhead, c.steps) << c.code << " " << c.bulkheads;
    EXPECT_TRUE(state.canAdd && !state.canRemove && !state.canInsert);
  }
}

TEST(PanelCodes, StiffenerAndCorrugationShareATool) {
  struct Case {
    Integer code;
    Long type;
    Integer after;
    bool changed;
  };
  for (const Case& c : {Case{4, 2, 5, true}, Case{5, 0, 4, true}, Case{4, 1, 4, false},
                        Case{5, 2, 5, false}, Case{3, 2, 3, false}}) {
    Session session = sessionWith(2, c.type, 4, c.code);
    EXPECT_EQ(adjustStiffenerPanel(session), c.changed) << c.code;
    EXPECT_EQ(session.display().PanelCode, c.after) << c.code;
  }
  Session outside = sessionWith(2, 2, 4, 4);
  outside.arrangement().CurBulkhead = 3;  // beyond the list: nothing to follow
  EXPECT_FALSE(adjustStiffenerPanel(outside));
}

TEST(PanelCodes, SelectorWrapsAround) {
  EXPECT_EQ(wrappedPosition(2, 3, 1), 0);
  EXPECT_EQ(wrappedPosition(0, 3, -1), 2);
  EXPECT_EQ(wrappedPosition(1, 3, 1), 2);
  EXPECT_EQ(wrappedPosition(0, 0, 1), -1);
  EXPECT_TRUE(showsBulkheadSelector(1) && showsBulkheadSelector(7));
  EXPECT_FALSE(showsBulkheadSelector(0) || showsBulkheadSelector(10) || showsBulkheadSelector(8));
}

}  // namespace
}  // namespace korain::testing
