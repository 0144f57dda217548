// Rows pasted into the editor's tables, made into nodes, stiffener positions
// and filling levels, then put in place as one change. Each paste is checked
// whole first: a row that cannot be taken refuses the paste with its line,
// and nothing of it is applied.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>
#include <vector>

#include "model/arrangement.h"
#include "text/pasted_table.h"

namespace korain {

// The rows of a list a paste replaces: `count` rows from row `first`
// (1-based); with no row chosen (`count` 0) the pasted rows go in before
// `first`, after the last row when it is one past the end.
struct PasteTarget {
  int first = 1;
  int count = 0;
};

// The values a row of the node table takes: Y and Z, then the curve code,
// the radius and the tangent point when given.
inline constexpr PasteShape kNodeRowShape{.fewest = 2, .most = 6};

// The nodes the rows make, each field refused as the node form's field
// refuses it. A curve code not given is a straight line; the node that lands
// first in the contour takes the start code whatever it was given. A row
// that replaces a node keeps what the table does not show of it (its links
// to the hull section).
std::variant<std::vector<Node>, PasteRefusal> pastedNodes(const Bulkhead& bulkhead,
                                                          const PasteTarget& target,
                                                          const std::vector<PastedRow>& rows);

// Puts the nodes in place of the target's rows; the first of them becomes the
// current node, and the contour keeps its start code on its first node only.
void pasteNodes(Bulkhead& bulkhead, const PasteTarget& target, const std::vector<Node>& nodes);

// A column of stiffener positions: one value a row.
inline constexpr PasteShape kPositionRowShape{.fewest = 1, .most = 1};

// The positions of the rows, in order; refused when one is beyond what a
// position keeps, or when two stiffeners would stand within 1 mm of each
// other once the selected ones have moved (the line of the later one).
std::variant<std::vector<Single>, PasteRefusal> pastedPositions(const Bulkhead& bulkhead,
                                                                const std::vector<PastedRow>& rows);

// The positions go to the selected stiffeners in list order; those left over
// become new stiffeners, as the wizard makes them (fixed brackets, the
// material given); selected stiffeners beyond the positions keep theirs. The
// stiffeners pasted stay selected, alone, and the list is sorted again.
void pastePositions(Bulkhead& bulkhead, const std::vector<Single>& positions, Integer material);

// A row of the level grid: the filling level, then its free-surface length
// and breadth when given.
inline constexpr PasteShape kLevelRowShape{.fewest = 1, .most = 3};

// How the first value of a pasted level row is given.
enum class LevelUnit { Metres, ShareOfHeight };

// The levels the rows make: a free-surface length or breadth not given is
// the one given (the effective dimension the dialog shows). Refused when a
// value is beyond what a level keeps, when a share is asked of a compartment
// without a height, or when the compartment would hold more levels than a
// saved one keeps.
std::variant<std::vector<FillingPoint>, PasteRefusal> pastedLevels(
    const Compartment& compartment, const PasteTarget& target, const std::vector<PastedRow>& rows,
    LevelUnit unit, Single length, Single breadth);

// Puts the levels in place of the target's rows.
void pasteLevels(Compartment& compartment, const PasteTarget& target,
                 const std::vector<FillingPoint>& levels);

}  // namespace korain
