// The lines of the note that lists or counts the labels with no room.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_note.h"

#include <QFontMetricsF>
#include <algorithm>
#include <utility>
#include <vector>

namespace korain {
namespace {

// Each distinct text in the order met, with how often it came.
std::vector<std::pair<QString, int>> tally(const QStringList& texts) {
  std::vector<std::pair<QString, int>> result;
  for (const QString& text : texts) {
    auto found =
        std::find_if(result.begin(), result.end(),
                     [&](const std::pair<QString, int>& item) { return item.first == text; });
    if (found == result.end()) {
      result.emplace_back(text, 1);
    } else {
      ++found->second;
    }
  }
  return result;
}

}  // namespace

QStringList labelNoteLines(const QStringList& homeless, LabelPolicy policy, const QFont& font,
                           double width) {
  if (homeless.isEmpty()) return {};
  const QString heading = QStringLiteral("Labels without room:");
  if (policy == LabelPolicy::GiveWay) {
    return {QStringLiteral("%1 %2, zoom in to read them").arg(heading).arg(homeless.size())};
  }
  if (policy == LabelPolicy::CountForTables) {
    return {QStringLiteral("%1 %2, see the tables").arg(heading).arg(homeless.size())};
  }
  const QFontMetricsF metrics(font);
  QStringList lines{heading};
  QString line;
  for (const auto& [text, count] : tally(homeless)) {
    const QString item = count > 1 ? QStringLiteral("%1 (%2)").arg(text).arg(count) : text;
    const QString longer = line.isEmpty() ? item : line + QStringLiteral("; ") + item;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      lines.push_back(line + ';');
      line = item;
    } else {
      line = longer;
    }
  }
  lines.push_back(line);
  return lines;
}

}  // namespace korain
