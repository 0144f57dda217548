// What the selection becomes when a panel, the drawing or a message moves it,
// and what is settled in it after every change: functions on a `Selection`
// value that read the arrangement it belongs to and never change it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "geometry/picking.h"
#include "messages/message.h"
#include "model/arrangement.h"
#include "model/selection.h"

namespace korain {

// A current index outside a list of `count` elements (left there by a removal,
// or never set) designates element 1.
void keepInList(Integer& current, int count);

// The selection of the current bulkhead; none when the index lies outside the list.
BulkheadSelection* currentBulkheadOf(Selection& selection);

// The current objects that a panel's list, step buttons or selector choose,
// by their list numbers, in the current bulkhead (nothing without one). A
// band or strake list shows no row for a number out of its list, which then
// designates element 1 again when the selection is settled.
void chooseBulkhead(Selection& selection, int number);
void chooseNode(Selection& selection, int number);
void chooseMember(Selection& selection, int number);
void chooseBand(Selection& selection, int number);
// A strake of the current band; nothing without one.
void chooseStrake(Selection& selection, int number);
// The support interval whose spans the span tabs show; a number below 1 is
// no interval and changes nothing.
void chooseInterval(Selection& selection, int number);
// The selected stiffeners, flag by flag from the first; those beyond the
// flags given are not selected.
void chooseStiffeners(Selection& selection, const std::vector<bool>& selected);

// What is settled after every change before a panel shows it: on a check
// panel no bulkhead is current (each check covers them all); on any other a
// current bulkhead below 1 becomes 1 while there are bulkheads, and its
// current node, member, band and strake lie within their lists, its current
// interval at least 1.
void settleSelection(Selection& selection, const Arrangement& arrangement, PanelCode panel);

// Makes the object a message is about current: its bulkhead and, within it,
// the node, member, stiffener (selected alone), band or strake. Gives the code
// of the panel that edits that kind of object; none when the message is about
// no bulkhead of the arrangement.
std::optional<PanelCode> selectSubject(Selection& selection, const Arrangement& arrangement,
                                       const Message& message);

// Makes the object picked in the drawing current and gives the panel code to
// show: a bulkhead or node picked makes its bulkhead current (on the node
// panel the node too; the display panel gives way to the bulkhead panel), a
// strake its band and strake on the strake bands panel, a stiffener span its
// stiffener, selected alone, on the stiffeners panel.
PanelCode selectPicked(Selection& selection, const Arrangement& arrangement, PickCode code,
                       const PickTarget& target, PanelCode panel);

// A pick that adds to the selection: a stiffener of the current bulkhead is
// added to the selected ones, or taken out when it was selected; any other
// pick acts as `selectPicked`.
PanelCode togglePicked(Selection& selection, const Arrangement& arrangement, PickCode code,
                       const PickTarget& target, PanelCode panel);

// Selects the stiffeners of the current bulkhead whose line crosses or lies in
// the rectangle of two corners and gives the stiffeners panel; a rectangle
// that holds none clears the selection of the stiffeners panel and leaves
// other panels as they were.
PanelCode selectStiffenersWithin(Selection& selection, const Arrangement& arrangement,
                                 PlanePoint corner1, PlanePoint corner2, PanelCode panel);

}  // namespace korain
