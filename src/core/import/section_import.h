// A new bulkhead arrangement built from a hull section: one bulkhead for each
// compartment of the section, its contour following the compartment's boundary.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "messages/status_line.h"
#include "model/arrangement.h"
#include "section/section.h"
#include "section/section_messages.h"

namespace korain {

struct SectionImport {
  bool imported = false;
  // Why nothing was imported, to be shown as a warning.
  std::string warning;
  // What the section's geometry found wrong; the import goes on regardless.
  SectionMessages messages;
};

// ImportSection. A section without compartments is refused with its warning
// and the arrangement left as it was. Otherwise the arrangement is cleared and
// named after the section, takes its symmetry and hopper, and receives one
// bulkhead per compartment, in order: named after it, plated in the section's
// default material, stiffened vertically, both its compartments copies of the
// section's, and its contour the nodes along the compartment's outline, cut at
// every node between its corners (docs/geometry.md gives the rules). X is left
// to the caller.
SectionImport importSection(Section section, Arrangement& arrangement, const StatusLine& status);

}  // namespace korain
