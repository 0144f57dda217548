// The session's one change path: what an edit tells, the Edit menu's texts, the
// caption and the question before leaving; what its screen settings refresh.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "app_test_support.h"
#include "sample_arrangement.h"

namespace korain {

void PrintTo(const Message& message, std::ostream* out) {
  *out << message.bulkhead << ":" << static_cast<int>(message.severity) << " " << message.text;
}

namespace testing {
namespace {

Session sessionWithSample() {
  Session session;
  session.startArrangement(sampleArrangement({}), Origin::Opened);
  return session;
}

std::vector<Message> listed(const Session& session) {
  return {session.messages().messages().begin(), session.messages().messages().end()};
}

// Records what the session asks its windows to refresh.
struct RecordingView : SessionView {
  void refresh(Follow follow) override { asked.push_back(follow); }
  void showStatus(const std::string& /*text*/) override {}
  std::vector<Follow> asked;
};

// What an edit tells (here a removal the list refused) is listed after the
// messages of the computation that follows, which would otherwise have
// cleared it, and the list is shown even when nothing else is.
TEST(Session, WhatAnEditTellsIsListedAfterTheRecomputation) {
  for (const Follow follow : {kRefreshAll, Follow::Redraw}) {
    Session session = sessionWithSample();
    RecordingView view;
    session.setView(&view);
    const EditOutcome told = session.change(
        {.label = "Delete Node",
         .scope = EditScope::bulkhead(1),
         .edit = [](Arrangement&) { return refusedAt("RemoveElement failed for node ¤", 7); },
         .follow = follow});
    ASSERT_EQ(told.messages.size(), 1U);
    EXPECT_EQ(listed(session).back(), told.messages[0]);
    EXPECT_TRUE(!view.asked.empty() && has(view.asked.back(), Follow::Messages));
  }
}

TEST(Session, ReportedTextsAreListedAsTheyAreAndShown) {
  Session session = sessionWithSample();
  RecordingView view;
  session.setView(&view);
  session.report(std::vector<std::string>{"Tank ¤1²: ¤ and §", "/data/ship¤.ko2"});
  EXPECT_EQ(listed(session).back().text, "/data/ship¤.ko2");
  EXPECT_EQ(listed(session).end()[-2].text, "Tank ¤1²: ¤ and §");
  EXPECT_EQ(view.asked, std::vector<Follow>{Follow::Messages});
}

TEST(Session, CaptionMarksUnsavedChangesAndNamesTheArrangement) {
  Session session;
  EXPECT_EQ(session.caption("Korain"), "Korain");
  EXPECT_FALSE(session.hasArrangement());
  Arrangement fresh;
  fresh.Name = "Hold 3";
  session.startArrangement(fresh, Origin::New);
  EXPECT_TRUE(session.hasArrangement());
  EXPECT_EQ(session.caption("Korain JBP"), "Korain JBP - Hold 3 *");
  EXPECT_FALSE(session.canUndo());  // nothing of the new arrangement to go back to
  EXPECT_EQ(session.undoMenuText() + session.redoMenuText(), "&Undo&Redo");
  session.markClean();
  EXPECT_EQ(session.caption("Korain"), "Korain - Hold 3");
}

TEST(Session, LeavingAsksOnlyWithUnsavedChanges) {
  struct Case {
    Answer answer;
    bool saveSucceeds;
    SaveDecision decision;
    int saves;
  };
  for (const Case& c : {Case{Answer::Yes, true, SaveDecision::Proceed, 1},
                        Case{Answer::Yes, false, SaveDecision::Cancel, 1},
                        Case{Answer::No, true, SaveDecision::Proceed, 0},
                        Case{Answer::Cancel, true, SaveDecision::Cancel, 0}}) {
    Session session = sessionWithSample();
    changeFirstBulkhead(
        session, [](Bulkhead& b) { b.Name = "Fore"; }, Follow::Nothing);
    ScriptedPrompt prompt;
    prompt.answers = {c.answer};
    int saves = 0;
    const auto save = [&] {
      ++saves;
      if (c.saveSucceeds) session.markClean();
      return c.saveSucceeds;
    };
    EXPECT_EQ(session.confirmSaveChanges(prompt, save), c.decision);
    EXPECT_EQ(saves, c.saves);
    ASSERT_EQ(prompt.messages.size(), 1U);
    EXPECT_NE(prompt.messages[0].find("'Sample arrangement'"), std::string::npos);
    // Only a save clears the mark: after No the work is still there to lose.
    EXPECT_EQ(session.hasUnsavedChanges(), saves == 0 || !c.saveSucceeds);
  }
  Session clean = sessionWithSample();
  ScriptedPrompt prompt;
  EXPECT_EQ(clean.confirmSaveChanges(prompt, [] { return false; }), SaveDecision::Proceed);
  EXPECT_TRUE(prompt.messages.empty());
}

// Each screen setting refreshes what it says; the check the drawing colours by
// follows the panel and its second selector.
TEST(Session, TheScreensSettingsRefreshWhatTheySay) {
  RecordingView view;
  Session session;
  session.setView(&view);
  const std::vector<std::tuple<std::function<void()>, std::vector<Follow>, Long>> cases = {
      {[&] { session.setScreen(defaultDisplayConfig()); }, {Follow::Redraw}, kNoCheck},
      {[&] { session.setDisplayWord(display_bit::kNodes); }, {Follow::Redraw}, kNoCheck},
      {[&] { session.setSubView(2, Follow::Nothing); }, {}, kNoCheck},
      {[&] { session.showPanel(PanelCode::StiffenerChecks, Follow::Panel); }, {Follow::Panel}, 2},
      {[&] { session.setSubView(3, Follow::Redraw); }, {Follow::Redraw}, 3},
      {[&] { session.showPanel(PanelCode::Bulkhead, Follow::Nothing); }, {}, kNoCheck},
  };
  for (const auto& [set, refreshed, checkMode] : cases) {
    view.asked.clear();
    set();
    EXPECT_EQ(view.asked, refreshed);
    EXPECT_EQ(session.display().CheckMode, checkMode);
  }
}

using ExampleSession = ExampleSessionTest;

TEST_F(ExampleSession, TheHullSectionFollowsTheArrangementsPosition) {
  ASSERT_NE(session_.hullSection(), nullptr);
  const std::string aft = session_.hullSection()->Name;
  session_.change({.label = "Main data changes",
                   .scope = EditScope::header(),
                   .edit = [](Arrangement& a) { a.X = 165; },
                   .follow = kRefreshAll});
  ASSERT_NE(session_.hullSection(), nullptr);
  EXPECT_NE(session_.hullSection()->Name, aft);
  session_.undo();
  EXPECT_EQ(session_.hullSection()->Name, aft);
}

}  // namespace
}  // namespace testing
}  // namespace korain
