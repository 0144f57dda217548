// A title line is never cut: smaller where it is too long, wrapped beyond the smallest size.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_line_fit.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

namespace korain::testing {
namespace {

TEST(TitleLineFit, ALineFitsWholeSmallerOrWrapped) {
  const QString title = "HOLD 3 AFT TRANSVERSE BULKHEAD - SCANTLING PLAN";
  QFont bold;
  bold.setBold(true);
  const double usualWidth =
      QFontMetricsF(fitTitleLine({}, bold, 9.5, 1e6, 4).font).horizontalAdvance(title);
  const struct {
    double width;  // a part of the line's width at the usual size
    bool smaller;
    bool wrapped;
  } cases[] = {{1.1, false, false}, {0.8, true, false}, {0.3, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    const double width = usualWidth * c.width;
    const TitleLineFit fit = fitTitleLine(title, bold, 9.5, width, 4);
    EXPECT_EQ(fit.points < 9.5, c.smaller);
    EXPECT_GE(fit.points, kSmallestTitlePoints);
    EXPECT_EQ(fit.lines.size() > 1, c.wrapped);
    EXPECT_EQ(fit.lines.join(' '), title);
    for (const QString& line : fit.lines) {
      EXPECT_LE(QFontMetricsF(fit.font).horizontalAdvance(line), width) << line.toStdString();
    }
  }
}

}  // namespace
}  // namespace korain::testing
