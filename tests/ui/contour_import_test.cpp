// File > Import Contour from DXF...: the file asked for, the current bulkhead's
// nodes replaced after a question or a new bulkhead appended, as one undo step;
// a file without a contour refused aloud with the arrangement as it was.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/fm_main.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

const std::string kFixtures = KORAIN_TEST_DATA "/dxf/";

class ContourImport : public MainWindowTest {
 protected:
  const Arrangement& arrangement() { return session_.arrangement(); }
};

TEST_F(ContourImport, YesReplacesNoAppendsCancelKeepsAndEachIsOneUndoStep) {
  const struct {
    Answer answer;
    int bulkheads;
    int current;  // the bulkhead holding the contour; 0: untouched
  } cases[] = {{Answer::Yes, 1, 1}, {Answer::No, 2, 2}, {Answer::Cancel, 1, 0}};
  const Arrangement before = arrangement();
  for (const auto& c : cases) {
    prompt_.fileAnswers.push_back(kFixtures + "bulges.dxf");
    prompt_.answers.push_back(c.answer);
    action("ME_ImportContour").trigger();
    ASSERT_FALSE(prompt_.messages.empty());
    EXPECT_NE(prompt_.messages.back().find("Replace the 8 nodes of bulkhead 1"), std::string::npos)
        << prompt_.messages.back();
    EXPECT_EQ(arrangement().Bulkheads.count(), c.bulkheads);
    if (c.current == 0) {
      EXPECT_EQ(arrangement(), before);
      continue;
    }
    EXPECT_EQ(arrangement().CurBulkhead, c.current);
    const Bulkhead& imported = arrangement().Bulkheads.at(c.current);
    ASSERT_EQ(imported.Nodes.count(), 6);
    EXPECT_FLOAT_EQ(imported.Nodes.at(3).ShR, 2);
    EXPECT_EQ(session_.undoLabel(), "Import Contour from DXF");
    session_.undo();
    EXPECT_EQ(arrangement().Bulkheads, before.Bulkheads);
  }
}

TEST_F(ContourImport, ABulkheadWithoutNodesTakesTheContourWithoutAQuestion) {
  changeFirstBulkhead(
      session_, [](Bulkhead& b) { b.Nodes = {}; }, kRefreshAll);
  prompt_.fileAnswers.push_back(kFixtures + "line_arc_chain.dxf");
  action("ME_ImportContour").trigger();
  EXPECT_TRUE(prompt_.asked.empty());
  EXPECT_EQ(arrangement().Bulkheads.at(1).Nodes.count(), 7);
}

TEST_F(ContourImport, AFileWithoutAContourIsRefusedNamingItAndChangesNothing) {
  const Arrangement before = arrangement();
  prompt_.fileAnswers.push_back(kFixtures + "no_chain.dxf");
  action("ME_ImportContour").trigger();
  ASSERT_EQ(prompt_.messages.size(), 1U);
  EXPECT_NE(prompt_.messages[0].find("no_chain.dxf: no polyline, line or arc"), std::string::npos)
      << prompt_.messages[0];
  EXPECT_EQ(arrangement(), before);
  EXPECT_FALSE(session_.edited().hasUnsavedChanges());
}

}  // namespace
}  // namespace korain::testing
