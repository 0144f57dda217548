// File > Import Contour from DXF...: the current bulkhead's nodes replaced after
// a question or a new bulkhead appended, as one undo step; a bulkhead without
// nodes asks nothing; a file without a contour is refused aloud, nothing changed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/fm_main.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

const std::string kFixtures = KORAIN_TEST_DATA "/dxf/";

TEST_F(MainWindowTest, ImportContourReplacesOrAppendsAsOneUndoStepAfterAQuestion) {
  const Arrangement before = session_.arrangement();
  // The answer, then the bulkhead holding the contour (0: none) and how many there are.
  const std::tuple<Answer, int, int> cases[] = {
      {Answer::Yes, 1, 1}, {Answer::No, 2, 2}, {Answer::Cancel, 0, 1}};
  for (const auto& [answer, current, count] : cases) {
    prompt_.fileAnswers.push_back(kFixtures + "bulges.dxf");
    prompt_.answers.push_back(answer);
    action("ME_ImportContour").trigger();
    EXPECT_NE(prompt_.messages.back().find("Replace the 8 nodes of bulkhead 1"), std::string::npos);
    const Arrangement& a = session_.arrangement();
    ASSERT_EQ(a.Bulkheads.count(), count);
    if (current == 0) {
      EXPECT_EQ(a, before);
      continue;
    }
    EXPECT_EQ(a.CurBulkhead, current);
    EXPECT_FLOAT_EQ(a.Bulkheads.at(current).Nodes.at(3).ShR, 2);
    EXPECT_EQ(session_.undoLabel(), "Import Contour from DXF");
    session_.undo();
    EXPECT_EQ(session_.arrangement().Bulkheads, before.Bulkheads);
  }
}

TEST_F(MainWindowTest, ImportContourAsksNothingOfAnEmptyBulkheadAndRefusesAFileWithoutOne) {
  changeFirstBulkhead(session_, [](Bulkhead& b) { b.Nodes = {}; });
  const Arrangement before = session_.arrangement();
  prompt_.fileAnswers = {kFixtures + "no_chain.dxf", kFixtures + "line_arc_chain.dxf"};
  action("ME_ImportContour").trigger();
  ASSERT_EQ(prompt_.messages.size(), 1U);
  EXPECT_NE(prompt_.messages[0].find("no_chain.dxf: no polyline, line or arc"), std::string::npos);
  EXPECT_EQ(session_.arrangement(), before);
  action("ME_ImportContour").trigger();
  EXPECT_TRUE(prompt_.asked.empty());
  EXPECT_EQ(session_.arrangement().Bulkheads.at(1).Nodes.count(), 7);
}

}  // namespace
}  // namespace korain::testing
