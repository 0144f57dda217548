// Comments, banners and the numbered blocks of a database file.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/line_cursor.h"
#include "model/arrangement.h"

namespace korain {

enum class BlockKind : Integer { Section = 0, Zel = 1, Torsion = 2 };

// "ZEL" is an arrangement, "TORSION" torsion data, anything else a hull section.
BlockKind blockKindOf(std::string_view keyword);

// The kind as a message names it: "an arrangement", "torsion data", "a hull section".
std::string_view blockKindPhrase(BlockKind kind);

// A comment line begins with "*".
bool isCommentLine(std::string_view line);

// A banner is a line whose first six characters, after trimming, are "------".
bool isBannerLine(std::string_view line);

// Whether the line is the given banner (blanks around it do not count).
bool isLine(std::string_view line, std::string_view banner);

// The next line that is not a comment; false at the end of the text.
bool nextDataLine(LineCursor& cursor, std::string_view& line);

// Finds block n from the first line of the cursor: a block banner whose next data line
// holds the number n and, when keyword is not empty, whose following data line
// is the keyword. On success the cursor is put back on the banner line and the
// keyword found is returned; otherwise nothing, with the cursor at the end.
std::optional<std::string> findBlock(LineCursor& cursor, Long n, std::string_view keyword);

// The number that a block-number line holds, if any.
std::optional<double> blockNumberOf(std::string_view line);

}  // namespace korain
