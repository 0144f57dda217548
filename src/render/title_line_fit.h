// How a title block line is set in its box: never cut, but at the largest
// size, from its usual one down to a legible smallest, at which it fits the
// box's width, and beyond that wrapped at the smallest size.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace korain {

// Below this a printed line is no longer read with ease.
inline constexpr double kSmallestTitlePoints = 6;

struct TitleLineFit {
  QFont font;
  QStringList lines;  // one, unless the smallest size needs more
  double points = 0;  // the size the line is set at
};

// `font` gives the family and weight; `width` and the result's font are in
// device pixels at `pixelsPerPoint`.
TitleLineFit fitTitleLine(const QString& text, const QFont& font, double usualPoints, double width,
                          double pixelsPerPoint);

}  // namespace korain
