// Fitting a title block line to its box: set smaller, then wrapped at the smallest size.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "title_line_fit.h"

#include <QFontMetricsF>
#include <algorithm>

namespace korain {
namespace {

// The sizes tried, from the usual one down to the smallest.
constexpr double kStepPoints = 0.25;

QFont sized(QFont font, double points, double pixelsPerPoint) {
  font.setPixelSize(std::max(1, static_cast<int>(points * pixelsPerPoint)));
  return font;
}

// The words of the text in lines no wider than `width`; a word wider than a
// whole line is broken between its characters.
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
  QStringList lines;
  QString line;
  const auto fits = [&](const QString& candidate) {
    return metrics.horizontalAdvance(candidate) <= width;
  };
  for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
    const QString joined = line.isEmpty() ? word : line + ' ' + word;
    if (fits(joined)) {
      line = joined;
      continue;
    }
    if (!line.isEmpty()) lines << line;
    line.clear();
    for (const QChar c : word) {
      if (!line.isEmpty() && !fits(line + c)) {
        lines << line;
        line.clear();
      }
      line += c;
    }
  }
  if (!line.isEmpty() || lines.isEmpty()) lines << line;
  return lines;
}

}  // namespace

TitleLineFit fitTitleLine(const QString& text, const QFont& font, double usualPoints, double width,
                          double pixelsPerPoint) {
  for (double points = usualPoints; points >= kSmallestTitlePoints; points -= kStepPoints) {
    const QFont candidate = sized(font, points, pixelsPerPoint);
    if (QFontMetricsF(candidate).horizontalAdvance(text) <= width) {
      return {candidate, {text}, points};
    }
  }
  const QFont smallest = sized(font, kSmallestTitlePoints, pixelsPerPoint);
  return {smallest, wrapped(text, QFontMetricsF(smallest), width), kSmallestTitlePoints};
}

}  // namespace korain
