// Comments, banners and the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/block_framing.h"

#include "io/database_texts.h"
#include "text/line_values.h"
#include "text/text_utils.h"

namespace korain {

BlockKind blockKindOf(std::string_view keyword) {
  const std::string_view word = trimmed(keyword);
  if (word == kZelKeyword) return BlockKind::Zel;
  if (word == kTorsionKeyword) return BlockKind::Torsion;
  return BlockKind::Section;
}

std::string_view blockKindPhrase(BlockKind kind) {
  switch (kind) {
    case BlockKind::Zel:
      return "an arrangement";
    case BlockKind::Torsion:
      return "torsion data";
    case BlockKind::Section:
      break;
  }
  return "a hull section";
}

bool isLine(std::string_view line, std::string_view banner) { return trimmed(line) == banner; }

std::optional<double> blockNumberOf(std::string_view line) {
  LineValues values;
  values.parse(line);
  return values.value(1);
}

std::optional<std::string> findBlock(LineCursor& cursor, Long n, std::string_view keyword) {
  const std::string& banner = DatabaseTexts::get().blockBanner;
  cursor.rewind();
  std::string_view line;
  for (LinePosition before = cursor.position(); cursor.next(line); before = cursor.position()) {
    if (!isLine(line, banner)) continue;
    const LinePosition afterBanner = cursor.position();
    if (!nextDataLine(cursor, line) || blockNumberOf(line) != static_cast<double>(n)) {
      cursor.seek(afterBanner);
      continue;
    }
    std::string found;
    if (nextDataLine(cursor, line)) found = std::string(trimmed(line));
    if (keyword.empty() || found == keyword) {
      cursor.seek(before);
      return found;
    }
    cursor.seek(afterBanner);
  }
  return std::nullopt;
}

}  // namespace korain
