// The main window's refresh only reads: the session settles the selection before it has
// the windows filled, so no panel, selector, menu or drawing changes what they show.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/selection_edits.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

using RefreshTest = MainWindowTest;

TEST_F(RefreshTest, EveryPanelRefreshedLeavesTheArrangementItsHistoryAndTheMarkAsTheyWere) {
  session_.change({.label = "Bulkhead data changes",
                   .scope = EditScope::bulkhead(1),
                   .edit = [](Arrangement& a) { a.Bulkheads.at(1).Name = "Renamed"; },
                   .follow = kRefreshAll});
  for (const PanelCode code :
       {PanelCode::Display, PanelCode::Bulkhead, PanelCode::Nodes, PanelCode::PrimaryMembers,
        PanelCode::OrdinaryStiffeners, PanelCode::Corrugation, PanelCode::StrakeBands,
        PanelCode::Compartments, PanelCode::PlatingChecks, PanelCode::StiffenerChecks}) {
    SCOPED_TRACE(static_cast<int>(code));
    session_.showPanel(code, kRefreshAll);
    // Indices beyond their lists, as a removal leaves them: settled as they are handed over.
    Selection beyond = selectionOf(session_.arrangement());
    chooseNode(beyond, 99);
    chooseMember(beyond, 99);
    chooseBand(beyond, 99);
    chooseInterval(beyond, 99);
    session_.moveSelection(beyond, Follow::Nothing);
    const Arrangement before = session_.arrangement();
    const std::size_t levels = session_.edited().undoLevels();

    session_.refresh(kRefreshAll | Follow::Selector);
    EXPECT_TRUE(session_.arrangement() == before);
    EXPECT_EQ(session_.edited().undoLevels(), levels);
    EXPECT_EQ(session_.undoLabel(), "Bulkhead data changes");
    EXPECT_TRUE(session_.hasUnsavedChanges());
  }
}

}  // namespace
}  // namespace korain::testing
