// The strake bands panel driven as a user does: a band chosen, a band and a
// strake inserted, a strake's thickness and material changed, one removed.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_band.h"

#include "ui_test_support.h"

namespace korain::testing {
namespace {

// The example's bands reach z 6, 9, 12 and 14.5, with three strakes each.
using BandPanel = PanelTest<FM_Band>;

TEST_F(BandPanel, ABandAndAStrakeAreInsertedEditedAndRemoved) {
  QListWidget& bands = *find<QListWidget>("LI_Band");
  QListWidget& strakes = *find<QListWidget>("LI_Strake");
  ASSERT_EQ(bands.count(), 4);
  bands.setCurrentRow(1);
  EXPECT_EQ(bulkhead().CurBand, 2);
  EXPECT_EQ(find<NumberField>("FTX_m")->text(), "9");
  EXPECT_FALSE(session().canUndo());

  panel.runCommand(ItemCommand::Add);
  ASSERT_EQ(bulkhead().StrakeBands.count(), 5);
  EXPECT_EQ(strakes.count(), 3);

  strakes.setCurrentRow(1);
  button("SS_AddDel_0")->click();
  EXPECT_EQ(session().undoLabel(), "Strake creation");
  ASSERT_EQ(bulkhead().StrakeBands.at(2).Strakes.count(), 4);
  EXPECT_EQ(find<NumberField>("FTX_Y")->text(), "8.4");

  typeInto(*find<NumberField>("FTX_Th"), "17");
  EXPECT_EQ(session().undoLabel(), "Strake thickness change");
  EXPECT_EQ(bulkhead().StrakeBands.at(2).Strakes.at(2).Th, 17.0F);
  choose(*find<QComboBox>("CB_Mat"), 0);
  EXPECT_EQ(session().undoLabel(), "Strake material change");
  EXPECT_EQ(bulkhead().StrakeBands.at(2).Strakes.at(2).iMat, 1);

  // The second strake of band 2 is the fifth: strakes are numbered on through the bands.
  prompt().answers = {Answer::No, Answer::Yes};
  button("SS_AddDel_1")->click();
  EXPECT_EQ(session().undoLabel(), "Strake material change");
  button("SS_AddDel_1")->click();
  EXPECT_EQ(prompt().messages.back(), "Are you sure to erase strake 5 ?");
  EXPECT_EQ(bulkhead().StrakeBands.at(2).Strakes.count(), 3);

  prompt().answers = {Answer::Yes};
  panel.runCommand(ItemCommand::Remove);
  EXPECT_EQ(prompt().messages.back(), "Are you sure to erase band 2 ?");
  EXPECT_EQ(bulkhead().StrakeBands.count(), 4);
}

}  // namespace
}  // namespace korain::testing
