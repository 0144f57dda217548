// What the Tools menu and the Add/Delete tools offer on a panel: Add, Delete
// and Insert, and what Delete's question names as the object it erases.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/arrangement.h"
#include "model/codes.h"

namespace korain {

struct PanelOffer {
  bool canAdd = false;
  bool canRemove = false;
  bool canInsert = false;
  // The object Delete erases by the number its list shows ("node 3"), for
  // the question "Are you sure to erase " + it + " ?"; empty when there is
  // nothing to erase, and Delete then asks nothing and changes nothing.
  std::string erasedObject;

  bool operator==(const PanelOffer&) const = default;
};

// The offer of the panel of `panel` on the arrangement as it stands: the
// bulkhead panel adds bulkheads always and removes the current one; the node,
// primary members, stiffeners and strake bands panels add to the current
// bulkhead and remove its current object (the selected stiffeners; a band
// while another is left); only the node panel inserts. The other panels
// offer nothing.
PanelOffer panelOffer(PanelCode panel, const Arrangement& arrangement);

}  // namespace korain
