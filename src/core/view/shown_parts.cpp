// Which parts of a bulkhead a drawing shows, from the display options.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/shown_parts.h"

namespace korain {

ShownParts shownParts(const DisplayOptions& options, bool current) {
  using namespace display_bit;
  const auto editing = [&](PanelCode panel) { return current && options.CurrentPanel == panel; };
  // The check display colours strakes and stiffeners, so it shows them.
  const bool checking = options.CheckMode != kNoCheck;
  return {.strakes = options.shows(kStrakes) || editing(PanelCode::StrakeBands) || checking,
          .corrugation = options.shows(kCorrugation) || editing(PanelCode::Corrugation),
          .stiffeners =
              options.shows(kStiffeners) || editing(PanelCode::OrdinaryStiffeners) || checking,
          .members = options.shows(kPrimaryMembers) || editing(PanelCode::PrimaryMembers),
          .stools = options.shows(kStools),
          .nodeMarks = options.shows(kNodes) || editing(PanelCode::Nodes)};
}

}  // namespace korain
