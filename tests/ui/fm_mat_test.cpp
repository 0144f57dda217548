// The check panel with a legend longer than its sixteen swatches: every value is shown beside the
// colour the drawing gives it, on the swatch itself or on its own chip in a joined label.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_mat.h"

#include <QRegularExpression>

#include "checks/check_modes.h"
#include "model/edit_scope.h"
#include "paint_context.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

using CheckPanel = PanelTest<FM_Mat>;

// The colour the panel shows beside a legend text: its swatch's when the text opens a label, else
// the chip in front of it in a joined label.
std::optional<QColor> colourShownFor(FM_Mat& panel, const std::string& text) {
  for (int k = 0; k < kLegendSwatchCount; ++k) {
    const auto* label = control<QLabel>(panel, "LB_Mat_" + QString::number(k));
    if (!label->isVisibleTo(&panel)) continue;
    const QString html = QString::fromStdString(text).toHtmlEscaped();
    if (label->text() == QString::fromStdString(text) || label->text().startsWith(html + " / ")) {
      return control<QLabel>(panel, "SH_Mat_" + QString::number(k))
          ->palette()
          .color(QPalette::Window);
    }
    const QRegularExpression chip("background-color:(#[0-9a-f]{6})[^<]*</span>&nbsp;" +
                                  QRegularExpression::escape(html) + "( / |$)");
    const QRegularExpressionMatch match = chip.match(label->text());
    if (match.hasMatch()) return QColor(match.captured(1));
  }
  return std::nullopt;
}

TEST_F(CheckPanel, EveryValueOfALegendOfMoreThanSixteenSitsOnTheColourTheDrawingUses) {
  // Eighteen distinct span reductions (one a stiffener) over the stiffeners of the example, a
  // quarter metre apart.
  int stiffeners = 0;
  session().amend(EditScope::all(), [&stiffeners](Arrangement& a) {
    for (Bulkhead& bulkhead : a.Bulkheads) {
      for (OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
        stiffener.SpanReduction = static_cast<Single>(0.25 * (1 + stiffeners++ % 18));
      }
    }
  });
  ASSERT_GE(stiffeners, 18);
  session().setSubView(check_mode::kSpanReduction, Follow::Nothing);
  session().refresh(Follow::Panel);
  const Legend& legend = session().display().CurrentLegend;
  ASSERT_EQ(legend.size(), 18U);
  DisplayOptions drawing = session().display();
  drawing.CheckMode = check_mode::kSpanReduction;
  int spans = 0;
  for (const Bulkhead& bulkhead : session().arrangement().Bulkheads) {
    for (const OrdinaryStiffener& stiffener : bulkhead.Stiffeners) {
      const auto entry = std::ranges::find_if(legend, [&](const LegendEntry& e) {
        return std::abs(std::stod(e.Text) - stiffener.SpanReduction) < 0.001;
      });
      ASSERT_NE(entry, legend.end()) << stiffener.SpanReduction;
      SCOPED_TRACE(entry->Text);
      const std::optional<QColor> shown = colourShownFor(panel, entry->Text);
      ASSERT_TRUE(shown);
      for (const StiffenerSpan& span : stiffener.Spans) {
        EXPECT_EQ(shown->name().toStdString(),
                  paletteColour(drawing, span.ColourIndex).name().toStdString());
        ++spans;
      }
    }
  }
  EXPECT_GE(spans, 18);
}

}  // namespace
}  // namespace korain::testing
