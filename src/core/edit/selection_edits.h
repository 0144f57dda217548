// What the panels settle in the selection before they show it.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "geometry/picking.h"
#include "messages/message.h"
#include "model/arrangement.h"

namespace korain {

// A current bulkhead index below 1 becomes 1 while there are bulkheads.
void raiseCurrentBulkhead(Arrangement& arrangement);

// A current index outside a list of `count` elements (left there by a removal,
// or never set) designates element 1.
void keepInList(Integer& current, int count);

// The current objects that a panel's list, step buttons or selector choose,
// by their list numbers. A band or strake list shows no row for a number out
// of its list, which then designates element 1 again when the panel settles.
void chooseBulkhead(Arrangement& arrangement, int number);
void chooseNode(Bulkhead& bulkhead, int number);
void chooseMember(Bulkhead& bulkhead, int number);
void chooseBand(Bulkhead& bulkhead, int number);
// A strake of the current band; nothing without one.
void chooseStrake(Bulkhead& bulkhead, int number);
// The support interval whose spans the span tabs show; a number below 1 is
// no interval and changes nothing.
void chooseInterval(Bulkhead& bulkhead, int number);

// What the panels settle before they show a bulkhead's lists: each current
// index within its list, the current interval at least 1.
void settleNodes(Bulkhead& bulkhead);
void settleMembers(Bulkhead& bulkhead);
void settleBands(Bulkhead& bulkhead);
void settleInterval(Bulkhead& bulkhead);

// Makes the object a message is about current: its bulkhead and, within it,
// the node, member, stiffener (selected alone), band or strake. Gives the code
// of the panel that edits that kind of object; none when the message is about
// no bulkhead of the arrangement.
std::optional<PanelCode> selectSubject(Arrangement& arrangement, const Message& message);

// Makes the object picked in the drawing current and gives the panel code to
// show: a bulkhead or node picked makes its bulkhead current (on the node
// panel the node too; the display panel gives way to the bulkhead panel), a
// strake its band and strake on the strake bands panel, a stiffener span its
// stiffener, selected alone, on the stiffeners panel.
PanelCode selectPicked(Arrangement& arrangement, PickCode code, const PickTarget& target,
                       PanelCode panel);

// A pick that adds to the selection: a stiffener of the current bulkhead is
// added to the selected ones, or taken out when it was selected; any other
// pick acts as `selectPicked`.
PanelCode togglePicked(Arrangement& arrangement, PickCode code, const PickTarget& target,
                       PanelCode panel);

// Selects the stiffeners of the current bulkhead whose line crosses or lies in
// the rectangle of two corners and gives the stiffeners panel; a rectangle
// that holds none clears the selection of the stiffeners panel and leaves
// other panels as they were.
PanelCode selectStiffenersWithin(Arrangement& arrangement, PlanePoint corner1, PlanePoint corner2,
                                 PanelCode panel);

}  // namespace korain
