// The ordinary stiffeners panel's changes to a bulkhead's stiffeners: each edit
// applies to every selected stiffener at once.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "geometry/plane.h"
#include "model/arrangement.h"
#include "model/codes.h"

namespace korain {

// The aspect of the stiffeners the panel edits, chosen by its tab list.
enum class StiffenerTab : Long {
  Scantling = 0,
  UpperBracket = 1,
  LowerBracket = 2,
  SpanScantling = 3,
  SpanBracket = 4,
};

// The tab of a sub-view code; a code of another panel shows the first tab.
StiffenerTab stiffenerTabOf(Long subView);

// Profile codes of the scantling texts that the type tools stand for.
inline constexpr Long kNullProfile = 0;
inline constexpr Long kFlatProfile = 1;
inline constexpr Long kBulbProfile = 2;
inline constexpr Long kAngleProfile = 3;
inline constexpr Long kTeeProfile = 4;

// The bracket a bracket tab edits: the upper one is bracket 2, the lower one 1.
int bracketOfTab(StiffenerTab tab);

// The number of the span of a stiffener in support interval `interval`; 0
// when the stiffener has no span there.
int spanInInterval(const OrdinaryStiffener& stiffener, int interval);

// The span tabs' previous (-1) or next (1) support interval; the current one
// where there is none before the first or after the last.
int steppedInterval(const Bulkhead& bulkhead, int step);

int selectedStiffenerCount(const Bulkhead& bulkhead);

// Moves the selected stiffeners together so that the first selected one lies
// at `position`; the list is sorted again.
void moveSelectedStiffeners(Bulkhead& bulkhead, Single position);

// The first selected stiffener stays; each following selected one is placed
// `spacing` beyond the previous one; the list is sorted again.
void spaceSelectedStiffeners(Bulkhead& bulkhead, Single spacing);

// Appends a stiffener, selected alone, with fixed brackets and material 1: the
// first at the start of the plane part across the stiffener direction (YMin
// for vertical stiffeners, ZLow for horizontal ones), any other 1.0 m beyond
// the last one. The list is sorted again.
void addStiffener(Bulkhead& bulkhead);

// The most stiffeners the wizard makes at once, so that a tiny spacing on a
// wide bulkhead cannot flood the list.
inline constexpr int kMaxWizardStiffeners = 1000;

// The wizard's row of new stiffeners.
struct StiffenerRow {
  Single start = 0;
  Single spacing = 0;
  int number = 0;
};

// The spacing the wizard proposes: that of the bulkhead's last two stiffeners,
// else 0.8 m.
Single proposedSpacing(const Bulkhead& bulkhead);

// Where the row starts: one spacing beyond the last stiffener, or beyond the
// start of the plane part across the stiffeners (YMin or ZLow).
Single proposedStart(const Bulkhead& bulkhead, Single spacing);

// How many stiffeners fit from `start` to the end of the plane part across
// the stiffeners (YMax or ZHigh), one spacing apart; none for a spacing of
// zero or a start beyond the end.
int stiffenersThatFit(const Bulkhead& bulkhead, Single start, Single spacing);

// How many stiffeners fill the room from `start` to the end of the plane part
// that the spacing runs toward (YMax or ZHigh, YMin or ZLow for a negative
// spacing), the last at least half a spacing clear of that end; none for a
// spacing of zero or a start within half a spacing of the end or past it.
int stiffenersToTheEnd(const Bulkhead& bulkhead, Single start, Single spacing);

// A new stiffener this close (m) to one the bulkhead has already is left out.
inline constexpr double kTakenPosition = 0.001;

// Where the row's stiffeners go: a new stiffener that falls on a primary
// member of the stiffeners' direction moves one spacing on; one within 1 mm
// of an existing stiffener is left out and counted as taken.
struct RowPlacement {
  std::vector<Single> positions;
  int taken = 0;
};
RowPlacement placeRow(const Bulkhead& bulkhead, const StiffenerRow& row);

// Appends a new stiffener at `position`, selected, of `material`, with both
// brackets fixed; the caller sorts the list afterwards.
void appendNewStiffener(Bulkhead& bulkhead, Single position, Integer material);

// Appends the row as `placeRow` places it, selected alone, with fixed
// brackets and the material given. The list is sorted again.
void addStiffenerRow(Bulkhead& bulkhead, const StiffenerRow& row, Integer material);

// Whether Delete has anything to remove: it takes the selected stiffeners.
bool canRemoveStiffeners(const Bulkhead& bulkhead);

// Removes every selected stiffener. Walking from the last to the first, every
// index met is still in the list: none can be refused.
void removeSelectedStiffeners(Bulkhead& bulkhead);

// The stiffeners whose line crosses or lies in the rectangle of two corners.
std::vector<bool> stiffenersInRectangle(const Bulkhead& bulkhead, PlanePoint corner1,
                                        PlanePoint corner2);

}  // namespace korain
