// What the compartment panel shows: a code its list does not offer as no
// choice, resonance only with the main dimensions, and nothing without a bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/bulkhead_panel_states.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(BulkheadPanelStates, ACompartmentCodeOutsideItsListShowsNoChoice) {
  using State = CompartmentPanelState;
  for (const auto& [type, height, list, state] :
       {std::tuple{5, 10, DestinationList::Full, State{true, 4, 3, true, ""}},
        std::tuple{5, 10, DestinationList::Naval, State{true, 4, -1, true, ""}},
        std::tuple{0, 10, DestinationList::Full, State{true, -1, 3, true, ""}},
        std::tuple{9, 0, DestinationList::Full,
                   State{true, -1, 3, false,
                         "Length, breadth and height must be positive: height is 0 m"}},
        std::tuple{9, -5, DestinationList::Full,
                   State{true, -1, 3, false,
                         "Length, breadth and height must be positive: height is -5 m"}}}) {
    Bulkhead b;
    Compartment& aftward = b.Compartments.at(kAftwardCompartment);
    aftward.A = type;
    aftward.B = 4;  // dry bulk cargo, no naval destination
    aftward.Table1.at(kLengthEntry) = aftward.Table1.at(kBreadthEntry) = 10;
    aftward.Table1.at(kHeightEntry) = static_cast<Single>(height);
    EXPECT_EQ(compartmentPanelState(&b, kAftwardCompartment, list), state) << type;
  }
  EXPECT_EQ(compartmentPanelState(nullptr, 1, DestinationList::Full), State{});
}

}  // namespace
}  // namespace korain
