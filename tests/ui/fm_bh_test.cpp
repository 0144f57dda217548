// The bulkhead panel driven as a user does, beyond what every form row is
// tried for: the name's length, the stools' default tops, the materials and
// the weight; and the corrugation panel of a corrugated bulkhead.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_bh.h"

#include <QCheckBox>
#include <QComboBox>

#include "model/codes.h"
#include "panels/fm_corr.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

using BulkheadPanel = PanelTest<FM_Bh>;

// No more than the database keeps: what is seen is what is saved.
TEST_F(BulkheadPanel, TheNameKeepsWhatTheDatabaseKeeps) {
  typeInto(*find<CommitField>("FTX_Name"), QString(30, 'A') + QString(20, 'B'));
  EXPECT_EQ(bulkhead().Name, std::string(30, 'A') + std::string(10, 'B'));
}

// What the stools show and take is the panel state's rule, tested in the core.
TEST_F(BulkheadPanel, EnablingAStoolShowsItsDefaultTop) {
  for (const auto& [box, field, limit] :
       {std::tuple{"OP_Stool_0", "FTX_m_0", 1.8F}, std::tuple{"OP_Stool_1", "FTX_m_1", 18.0F}}) {
    SCOPED_TRACE(box);
    changeFirstBulkhead(session(), [](Bulkhead& b) {
      b.Stool1Enabled = b.Stool2Enabled = false;
      b.Stool1Z = b.Stool2Z = 0;
    });
    find<QCheckBox>(box)->click();
    EXPECT_EQ(session().undoLabel(), "Enable stool changes");
    EXPECT_EQ(find<NumberField>(field)->text(), numberFieldText(limit));
  }
  find<QCheckBox>("OP_UpStoolSloped")->click();
  EXPECT_TRUE(bulkhead().UpperStoolSloped);
}

TEST_F(BulkheadPanel, MaterialListFollowsTheShipData) {
  EXPECT_EQ(find<QComboBox>("CB_Mat")->count(), 3);
  EXPECT_EQ(find<QComboBox>("CB_Mat")->currentIndex(), bulkhead().iMat - 1);
  changeShip(session(), [](ShipData& ship) { ship.MaterialCount = 2; });
  session().refresh(Follow::Panel);
  EXPECT_EQ(find<QComboBox>("CB_Mat")->count(), 2);
}

// The weight is the core's, tested there; here it reaches the panel and follows
// the plating, the density and the symmetry flag.
TEST_F(BulkheadPanel, TheWeightFollowsAStrakesThicknessTheDensityAndAHalfSection) {
  const QLabel& shown = *find<QLabel>("LB_Weight");
  const auto tonnes = [&shown] { return shown.text().section(' ', 1, 1).toDouble(); };
  // The example describes one side: the whole bulkhead follows, twice as heavy.
  EXPECT_EQ(shown.text().section('\n', 0, 0).toStdString(),
            "Steel 26.35 t, centre y 7.40 m, z 8.93 m; whole bulkhead 52.69 t, y 0.00 m");
  EXPECT_TRUE(shown.text().contains("\nPrimary supporting members are left out"));

  changeFirstBulkhead(session(), [](Bulkhead& b) { b.StrakeBands.at(1).Strakes.at(1).Th *= 2; });
  const double thicker = tonnes();
  EXPECT_GT(thicker, 26.35);
  changeRun(session(), [](StartupState& run) { run.paths.SteelDensity *= 2; });
  session().refresh(Follow::Panel);
  EXPECT_NEAR(tonnes(), 2 * thicker, 0.011);
  session().change({.label = "test",
                    .scope = EditScope::all(),
                    .edit = [](Arrangement& a) { a.SymFlag = 1; },
                    .follow = kRefreshAll});
  EXPECT_FALSE(shown.text().contains("whole bulkhead"));
}

TEST_F(BulkheadPanel, FillingNeverCountsAsAChange) {
  editor.duringRefresh = [this] {
    find<QCheckBox>("OP_Stool_0")->click();
    choose(*find<QComboBox>("CB_Type"), 1);
  };
  session().refresh(Follow::Panel);
  EXPECT_FALSE(session().hasUnsavedChanges());
  EXPECT_FALSE(session().canUndo());
}

// Block 2 of the example: a corrugated bulkhead, start 0.48, S1 1.45, a 0.96, d 0.85, both
// supports fixed.
using CorrPanel = PanelTest<FM_Corr>;

TEST_F(CorrPanel, ShowsTheCorrugationAndTakesItsDepthAndSupports) {
  editor.openExample(2);
  session().refresh(Follow::Panel);
  const Corrugation& corrugation = bulkhead().Corr;
  EXPECT_EQ(find<NumberField>("FTX_m_1")->text(), "1.45");
  EXPECT_FALSE(find<QLabel>("PIC_Corr")->pixmap().isNull());

  // A support ticked off leaves the other field as typed.
  typeInto(*find<NumberField>("FTX_m_3"), "0.9");
  find<QCheckBox>("OP_Support_0")->click();
  EXPECT_FALSE(corrugation.FixedUpper);
  EXPECT_EQ(find<NumberField>("FTX_m_3")->text(), "0.9");
}

}  // namespace
}  // namespace korain::testing
