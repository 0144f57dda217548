// What the bulkhead and compartment panels show: where a stool that is off
// would start, a code its list does not offer as no choice, resonance only
// with the main dimensions, and nothing without a bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/bulkhead_panel_states.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(BulkheadPanelStates, EachStoolShowsItsTopOrWhereItWouldStart) {
  const auto z = std::pair(1.8F, 18.0F);
  using Rows = std::array<StoolRow, 2>;
  for (const auto& [upper, zMax, rows] :
       {std::tuple{false, 18.0F, Rows{{{true, 3, z}, {false, 18, z}}}},
        std::tuple{true, 18.0F, Rows{{{true, 3, z}, {true, 16, z}}}},
        std::tuple{false, 0.0F, Rows{{{true, 3, std::nullopt}, {false, 16, std::nullopt}}}}}) {
    Bulkhead b;
    b.Stool1Enabled = true;
    b.Stool2Enabled = upper;
    b.Stool1Z = 3;
    b.Stool2Z = 16;
    b.ZMin = z.first;
    b.ZMax = zMax;
    EXPECT_EQ(bulkheadPanelState(&b), (BulkheadPanelState{bulkheadDataOf(b), rows, upper}));
  }
  EXPECT_EQ(bulkheadPanelState(nullptr), BulkheadPanelState{});
}

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
