// The drawing window on the example arrangement: zoom and scroll bars, the
// texts under the cursor, the zoom tool and picking, the export.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/fm_graph.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <filesystem>
#include <memory>

#include "edit/selection_edits.h"
#include "edit/stiffener_edits.h"
#include "ui_test_support.h"
#include "view_state.h"

namespace korain::testing {
namespace {

// Node 5 of the example's bulkhead 1 lies alone at (16, 12.6), away from members and stiffeners.
constexpr Integer kBulkhead = 1;
constexpr Integer kNode = 5;

class FmGraphTest : public ExampleTest {
 protected:
  void SetUp() override {
    ExampleTest::SetUp();
    graph_ = std::make_unique<FM_Graph>(editor);
    QObject::connect(graph_.get(), &FM_Graph::objectTextChanged,
                     [this](const QString& text) { objectText_ = text; });
    QObject::connect(graph_.get(), &FM_Graph::positionTextChanged,
                     [this](const QString& text) { positionText_ = text; });
    graph_->resize(800, 600);
    graph_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graph_.get()));
  }

  QWidget& surface() { return *control<QWidget>(*graph_, "PIC_Section"); }
  QScrollBar& horizontal() { return *control<QScrollBar>(*graph_, "HS_Section"); }
  QScrollBar& vertical() { return *control<QScrollBar>(*graph_, "VS_Section"); }
  QPoint nodePixel() {
    const Node& node = bulkhead().Nodes.at(kNode);
    return graph_->pixelAt(node.Y, node.Z);
  }

  std::unique_ptr<FM_Graph> graph_;
  QString objectText_ = QStringLiteral("unset");
  QString positionText_;
};

void expectSameWindow(const WorldWindow& actual, const WorldWindow& expected) {
  const double scale = std::max(expected.width, expected.height);
  EXPECT_NEAR(actual.left, expected.left, 1e-6 * scale);
  EXPECT_NEAR(actual.bottom, expected.bottom, 1e-6 * scale);
  EXPECT_NEAR(actual.width, expected.width, 1e-6 * scale);
  EXPECT_NEAR(actual.height, expected.height, 1e-6 * scale);
}

TEST_F(FmGraphTest, ScrollBarsMoveOnlyAZoomedWindowWhichARepaintKeepsUntilTheSectionGrows) {
  EXPECT_FALSE(horizontal().isEnabled());
  EXPECT_FALSE(vertical().isEnabled());

  // Setting the bars to the zoomed window must not move it to their 1/32 m steps.
  graph_->zoom(Qt::LeftButton, 8.01, 10.01);
  const WorldWindow zoomed = graph_->visibleWindow();
  EXPECT_NEAR(zoomed.centreY(), 8.01, 1e-9);
  EXPECT_NEAR(zoomed.centreZ(), 10.01, 1e-9);
  EXPECT_TRUE(horizontal().isEnabled());
  EXPECT_TRUE(vertical().isEnabled());
  EXPECT_EQ(horizontal().value(), 8 * 32);
  EXPECT_EQ(vertical().value(), 10 * 32);

  // A user's move of either bar centres the window on the bars' positions; a repaint keeps it.
  horizontal().setValue(horizontal().value() + 32);
  vertical().setValue(vertical().value() - 64);
  const WorldWindow moved{9 - zoomed.width / 2, 8 - zoomed.height / 2, zoomed.width, zoomed.height};
  expectSameWindow(graph_->visibleWindow(), moved);
  surface().repaint();
  expectSameWindow(graph_->visibleWindow(), moved);
  EXPECT_NEAR(graph_->pickTolerance(), 3.0 * zoomed.width / 600, 1e-9);
  EXPECT_TRUE(horizontal().isEnabled());

  graph_->resetZoom();
  EXPECT_FALSE(horizontal().isEnabled());
  EXPECT_FALSE(vertical().isEnabled());

  // A section grown beyond the zoomed window is framed whole again.
  graph_->zoom(Qt::LeftButton, 8.0, 10.0);
  changeFirstBulkhead(
      session(), [](Bulkhead& b) { b.Nodes.at(kNode).Y = 60; }, Follow::Nothing);
  surface().repaint();
  const WorldWindow framed = graph_->visibleWindow();
  EXPECT_GT(framed.right(), 60.0);
  EXPECT_GT(framed.width, zoomed.width * 1.5);
  EXPECT_FALSE(horizontal().isEnabled());
}

TEST_F(FmGraphTest, TheCursorShowsTheObjectAndTheCoordinatesUnderIt) {
  QTest::mouseMove(&surface(), nodePixel());
  EXPECT_EQ(objectText_, QStringLiteral("Node 5 bh 1"));
  const QRegularExpression coordinates(QStringLiteral("^(-?\\d+\\.\\d\\d),(-?\\d+\\.\\d\\d)$"));
  const QRegularExpressionMatch match = coordinates.match(positionText_);
  ASSERT_TRUE(match.hasMatch()) << positionText_.toStdString();
  const double pixel = graph_->visibleWindow().width / surface().width();
  EXPECT_NEAR(match.captured(1).toDouble(), 16.0, pixel + 0.005);
  EXPECT_NEAR(match.captured(2).toDouble(), 12.6, pixel + 0.005);

  // The corner of the surface lies in the margin, away from everything.
  QTest::mouseMove(&surface(), QPoint(3, 3));
  EXPECT_EQ(objectText_, QString());
}

// Which panel and object a pick selects is the selection edits' rule, tested in the core.
TEST_F(FmGraphTest, WithTheZoomToolAClickZoomsWithThePickToolItSelectsWithoutAChange) {
  session().chooseTool(kZoomTool, Follow::Nothing);
  session().showPanel(PanelCode::Nodes, Follow::Nothing);
  graph_->applyTool();
  EXPECT_NE(surface().cursor().shape(), Qt::ArrowCursor);
  const WorldWindow start = graph_->visibleWindow();
  const Integer node = bulkhead().CurNode;

  QTest::mouseClick(&surface(), Qt::LeftButton, {}, nodePixel());
  EXPECT_NEAR(graph_->visibleWindow().width, start.width / 1.5, 1e-6 * start.width);
  QTest::mouseClick(&surface(), Qt::RightButton, {}, graph_->pixelAt(16.0, 12.6));
  EXPECT_NEAR(graph_->visibleWindow().width, start.width, 1e-6 * start.width);
  EXPECT_EQ(bulkhead().CurNode, node);

  session().chooseTool(kPickTool, Follow::Nothing);
  graph_->applyTool();
  EXPECT_EQ(surface().cursor().shape(), Qt::ArrowCursor);
  Selection another = selectionOf(session().arrangement());
  chooseNode(another, kNode == 1 ? 2 : 1);
  session().moveSelection(another, Follow::Nothing);
  QTest::mouseClick(&surface(), Qt::LeftButton, {}, nodePixel());
  EXPECT_EQ(session().arrangement().CurBulkhead, kBulkhead);
  EXPECT_EQ(bulkhead().CurNode, kNode);
  EXPECT_FALSE(session().canUndo());
}

// On the stiffeners panel a click on a span selects its stiffener alone and
// makes its interval current; Ctrl+click still adds a stiffener.
TEST_F(FmGraphTest, AClickOnASpanMakesItsIntervalCurrent) {
  session().showPanel(PanelCode::OrdinaryStiffeners, Follow::Nothing);
  // The middle of the span stiffener k has in the interval; the example's stiffeners are vertical.
  const auto spanMiddle = [this](int k, int interval) {
    const OrdinaryStiffener& s = bulkhead().Stiffeners.at(k);
    const int span = spanInInterval(s, interval);
    return graph_->pixelAt(s.Position, (s.Extremities.at(span) + s.Extremities.at(span + 1)) / 2);
  };
  for (const auto& [k, interval] : {std::pair{3, 2}, {6, 3}, {3, 1}}) {
    QTest::mouseClick(&surface(), Qt::LeftButton, {}, spanMiddle(k, interval));
    EXPECT_EQ(bulkhead().CurSpan, interval) << k;
    for (int s = 1; s <= bulkhead().Stiffeners.count(); ++s) {
      EXPECT_EQ(bulkhead().Stiffeners.at(s).Selected, s == k) << "after " << k << ": " << s;
    }
  }
  QTest::mouseClick(&surface(), Qt::LeftButton, Qt::ControlModifier, spanMiddle(5, 2));
  EXPECT_TRUE(bulkhead().Stiffeners.at(3).Selected && bulkhead().Stiffeners.at(5).Selected);
  EXPECT_FALSE(session().canUndo());
}

TEST_F(FmGraphTest, ExportWritesTheChosenFileOrSaysWhyNot) {
  ScratchFolder folder;
  const std::string written = folder.file("drawing.png");
  const std::string refused = folder.file("drawing.txt");
  prompt().fileAnswers = {written, refused};
  EXPECT_TRUE(graph_->exportDrawing());
  EXPECT_GT(std::filesystem::file_size(written), 100U);
  EXPECT_TRUE(prompt().messages.empty());

  EXPECT_FALSE(graph_->exportDrawing());
  ASSERT_EQ(prompt().messages.size(), 1U);
  EXPECT_NE(prompt().messages.front().find(refused), std::string::npos);

  // Cancelling the file prompt writes nothing and says nothing.
  EXPECT_FALSE(graph_->exportDrawing());
  EXPECT_EQ(prompt().messages.size(), 1U);
}

}  // namespace
}  // namespace korain::testing
