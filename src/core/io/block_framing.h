// Comments, banners and the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/line_cursor.h"
#include "model/arrangement.h"
#include "text/text_utils.h"

namespace korain {

enum class BlockKind : Integer { Section = 0, Zel = 1, Torsion = 2 };

// "ZEL" is an arrangement, "TORSION" torsion data, anything else a hull section.
BlockKind blockKindOf(std::string_view keyword);

// The kind as a message names it: "an arrangement", "torsion data", "a hull section".
std::string_view blockKindPhrase(BlockKind kind);

// The tests of a line's kind, and the walk over comments, are inline: every
// line of a file passes through them.

// A comment line begins with "*".
inline bool isCommentLine(std::string_view line) { return !line.empty() && line.front() == '*'; }

// A banner is a line whose first six characters, after trimming, are "------".
inline bool isBanner(std::string_view trimmedLine) { return trimmedLine.starts_with("------"); }
inline bool isBannerLine(std::string_view line) { return isBanner(trimmed(line)); }

// Whether the line is the given banner (blanks around it do not count).
bool isLine(std::string_view line, std::string_view banner);

// The next line that is not a comment; false at the end of the text.
inline bool nextDataLine(LineCursor& cursor, std::string_view& line) {
  while (cursor.next(line)) {
    if (!isCommentLine(line)) return true;
  }
  return false;
}

// Finds block n from the first line of the cursor: a block banner whose next data line
// holds the number n and, when keyword is not empty, whose following data line
// is the keyword. On success the cursor is put back on the banner line and the
// keyword found is returned; otherwise nothing, with the cursor at the end.
std::optional<std::string> findBlock(LineCursor& cursor, Long n, std::string_view keyword);

// The number that a block-number line holds, if any.
std::optional<double> blockNumberOf(std::string_view line);

}  // namespace korain
