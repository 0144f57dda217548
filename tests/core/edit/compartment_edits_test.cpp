// The compartment panel's destination lists and the dimensions that open the
// resonance dialog.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/compartment_edits.h"

#include <gtest/gtest.h>

namespace korain {
namespace {

TEST(DestinationList, NavalShipsOfferFourDestinationsAndOtherCodesStandNowhere) {
  struct Case {
    Long code;
    int full;
    int naval;
  };
  const Case cases[] = {{1, 0, 0}, {2, 1, 1}, {3, 2, -1},  {5, 4, -1},
                        {6, 5, 2}, {7, 6, 3}, {0, -1, -1}, {8, -1, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(destinationPosition(c.code, DestinationList::Full), c.full);
    EXPECT_EQ(destinationPosition(c.code, DestinationList::Naval), c.naval);
  }
  EXPECT_EQ(destinationCodes(DestinationList::Naval), (std::vector<Long>{1, 2, 6, 7}));
}

TEST(MainDimensions, LengthBreadthAndHeightMustAllBePositive) {
  struct Case {
    Single length;
    Single breadth;
    Single height;
    bool complete;
  };
  const Case cases[] = {{12, 8, 10, true}, {0, 8, 10, false},  {12, 0, 10, false},
                        {12, 8, 0, false}, {-1, 8, 10, false}, {12, 8, 0.0005F, true}};
  for (const Case& c : cases) {
    Compartment compartment;
    compartment.Table1.at(kLengthEntry) = c.length;
    compartment.Table1.at(kBreadthEntry) = c.breadth;
    compartment.Table1.at(kHeightEntry) = c.height;
    EXPECT_EQ(hasMainDimensions(compartment), c.complete)
        << c.length << " " << c.breadth << " " << c.height;
  }
}

}  // namespace
}  // namespace korain
