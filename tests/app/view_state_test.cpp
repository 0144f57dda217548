// The menu and tool states for the model as it stands, and the panel code rules.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_state.h"

#include <gtest/gtest.h>

#include "sample_arrangement.h"
#include "view/panel_offer.h"

namespace korain::testing {
namespace {

Session sessionWith(int bulkheads, Long currentType, int currentNodes, PanelCode panel) {
  Session session;
  Arrangement arrangement = sampleArrangement({.bulkheads = bulkheads});
  arrangement.CurBulkhead = bulkheads > 0 ? 1 : 0;
  if (bulkheads > 0) {
    Bulkhead& current = arrangement.Bulkheads.at(1);
    current.Typ = currentType;
    current.Nodes.resize(currentNodes);
  }
  session.startArrangement(arrangement, Origin::Opened);
  session.showPanel(panel, Follow::Nothing);
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
    const MenuState state =
        menuState(sessionWith(c.bulkheads, c.type, c.nodes, PanelCode::Bulkhead));
    EXPECT_EQ(state.objectTools, c.tools) << c.what;
  }
}

TEST(MenuState, WithoutAnArrangementNothingCanBeEditedSavedPrintedOrExported) {
  Session session;
  session.showPanel(PanelCode::Bulkhead, Follow::Nothing);
  const MenuState state = menuState(session);
  EXPECT_FALSE(state.arrangementOpen);
  EXPECT_FALSE(state.canAdd || state.addDeleteEnabled);
  EXPECT_EQ(state.objectTools, Tools{});
}

TEST(MenuState, AddDeleteTextsAndBulkheadStepsFollowThePanel) {
  struct Case {
    PanelCode code;
    int bulkheads;
    const char* add;
    int pressed;
    bool steps;
  };
  const Case cases[] = {
      {PanelCode::Display, 3, "Add Bulkhead Arrangement", -1, false},
      {PanelCode::Bulkhead, 3, "Add Bulkhead", 0, true},
      {PanelCode::Bulkhead, 1, "Add Bulkhead", 0, false},
      {PanelCode::Nodes, 3, "Add Node", 1, true},
      {PanelCode::PrimaryMembers, 3, "Add Primary supporting members", 2, true},
      {PanelCode::PlatingChecks, 3, "Add ", -1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "panel " << static_cast<int>(c.code) << ", " << c.bulkheads << " bulkheads");
    const Session session = sessionWith(c.bulkheads, 0, 4, c.code);
    const MenuState state = menuState(session);
    EXPECT_EQ(state.addText, c.add);
    EXPECT_EQ(state.deleteText, "Delete" + std::string(c.add).substr(3));
    EXPECT_EQ(state.pressedObjectTool, c.pressed);
    EXPECT_EQ(state.previousNextBulkhead, c.steps);
    const PanelOffer offer = panelOffer(c.code, session.arrangement());
    EXPECT_EQ(std::tuple(state.canAdd, state.canRemove, state.canInsert),
              std::tuple(offer.canAdd, offer.canRemove, offer.canInsert));
  }
}

TEST(PanelCodes, StiffenerAndCorrugationShareATool) {
  struct Case {
    PanelCode code;
    Long type;
    PanelCode after;
  };
  constexpr PanelCode kStiffeners = PanelCode::OrdinaryStiffeners;
  constexpr PanelCode kCorrugation = PanelCode::Corrugation;
  constexpr PanelCode kMembers = PanelCode::PrimaryMembers;
  for (const Case& c : {Case{kStiffeners, 2, kCorrugation}, Case{kCorrugation, 0, kStiffeners},
                        Case{kStiffeners, 1, kStiffeners}, Case{kCorrugation, 2, kCorrugation},
                        Case{kMembers, 2, kMembers}}) {
    // The session settles the code as the panel is shown.
    const Session session = sessionWith(2, c.type, 4, c.code);
    EXPECT_EQ(session.display().CurrentPanel, c.after) << static_cast<int>(c.code);
  }
  Arrangement outside = sampleArrangement({.bulkheads = 2});
  outside.Bulkheads.at(1).Typ = 2;
  outside.CurBulkhead = 3;  // beyond the list: nothing to follow
  EXPECT_EQ(panelForBulkheadType(kStiffeners, outside), kStiffeners);
}

TEST(PanelCodes, SelectorWrapsAround) {
  EXPECT_EQ(wrappedPosition(2, 3, 1), 0);
  EXPECT_EQ(wrappedPosition(0, 3, -1), 2);
  EXPECT_EQ(wrappedPosition(1, 3, 1), 2);
  EXPECT_EQ(wrappedPosition(0, 0, 1), -1);
  EXPECT_TRUE(showsBulkheadSelector(PanelCode::Bulkhead) &&
              showsBulkheadSelector(PanelCode::Compartments));
  EXPECT_FALSE(showsBulkheadSelector(PanelCode::Display) ||
               showsBulkheadSelector(PanelCode::PlatingChecks) ||
               showsBulkheadSelector(static_cast<PanelCode>(8)));
}

}  // namespace
}  // namespace korain::testing
