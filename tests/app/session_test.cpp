// One level of undo, the unsaved mark and the question before leaving.
#include "session.h"

#include <gtest/gtest.h>

#include "app_test_support.h"
#include "sample_arrangement.h"

namespace korain::testing {
namespace {

Session sessionWithSample() {
  Session session;
  session.arrangement() = sampleArrangement({});
  session.arrangement().CurBulkhead = 2;
  session.geometry().valid = true;
  return session;
}

TEST(Session, OnlyTheLastOfTwoChangesIsUndone) {
  Session session = sessionWithSample();
  session.recordUndo("Bulkhead data changes");
  session.arrangement().Bulkheads.at(1).Name = "First";
  session.recordUndo("Node data changes");
  EXPECT_FALSE(session.geometry().valid);
  session.arrangement().Bulkheads.at(1).Nodes.remove(1);
  session.arrangement().CurBulkhead = 1;
  EXPECT_EQ(session.undoMenuText(), "Undo Node data changes");

  ASSERT_TRUE(session.undo());
  EXPECT_EQ(session.arrangement().Bulkheads.at(1).Name, "First");
  EXPECT_EQ(session.arrangement().Bulkheads.at(1).Nodes.count(), 6);
  EXPECT_EQ(session.arrangement().CurBulkhead, 2);
  EXPECT_FALSE(session.canUndo());
  EXPECT_EQ(session.undoMenuText(), "&Undo");
  EXPECT_FALSE(session.undo());
}

TEST(Session, CaptionMarksUnsavedChangesAndNamesTheArrangement) {
  Session session;
  EXPECT_EQ(session.caption("Korain"), "Korain");
  session.arrangement().Name = "Hold 3";
  session.markNew();
  EXPECT_EQ(session.caption("Korain JBP"), "Korain JBP - Hold 3 *");
  EXPECT_FALSE(session.canUndo());  // nothing of the new arrangement to go back to
  session.markClean();
  EXPECT_EQ(session.caption("Korain"), "Korain - Hold 3");
}

TEST(Session, LeavingAsksOnlyWithUnsavedChanges) {
  struct Case {
    Answer answer;
    bool saveSucceeds;
    SaveDecision decision;
    int saves;
    bool unsavedAfter;
  };
  for (const Case& c : {Case{Answer::Yes, true, SaveDecision::Proceed, 1, false},
                        Case{Answer::Yes, false, SaveDecision::Cancel, 1, true},
                        Case{Answer::No, true, SaveDecision::Proceed, 0, false},
                        Case{Answer::Cancel, true, SaveDecision::Cancel, 0, true}}) {
    Session session = sessionWithSample();
    session.recordUndo("Main data changes");
    ScriptedPrompt prompt;
    prompt.answers = {c.answer};
    int saves = 0;
    const auto save = [&] {
      ++saves;
      return c.saveSucceeds;
    };
    EXPECT_EQ(session.confirmSaveChanges(prompt, save), c.decision);
    EXPECT_EQ(saves, c.saves);
    EXPECT_EQ(session.hasUnsavedChanges(), c.unsavedAfter);
    ASSERT_EQ(prompt.messages.size(), 1U);
    EXPECT_NE(prompt.messages[0].find("'Sample arrangement'"), std::string::npos);
    // Clean now (or still cancelled): a clean session never asks.
    if (!c.unsavedAfter) {
      EXPECT_EQ(session.confirmSaveChanges(prompt, save), SaveDecision::Proceed);
      EXPECT_EQ(prompt.messages.size(), 1U);
    }
  }
}

}  // namespace
}  // namespace korain::testing
