// The bulkhead panel driven as a user does: adding and removing bulkheads, the
// lists and what each change refreshes, the stools and their default tops.
#include "panels/fm_bh.h"

#include <QCheckBox>
#include <QComboBox>

#include "model/codes.h"
#include "ship/ship_queries.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class BulkheadPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    editor.openExample(1);
    editor.setPanel(&panel);
    panel.refreshControls();
  }

  Arrangement& arrangement() { return editor.session().arrangement(); }
  Bulkhead& bulkhead() { return arrangement().Bulkheads.at(1); }
  template <typename W>
  W* find(const char* name) {
    return control<W>(panel, name);
  }

  TestEditor editor;
  FM_Bh panel{editor};
};

TEST_F(BulkheadPanel, NewBulkheadIsNamedAfterItsNumberAndBecomesCurrent) {
  panel.addItem();
  ASSERT_EQ(arrangement().Bulkheads.count(), 2);
  panel.addItem();
  panel.refreshControls();

  EXPECT_EQ(arrangement().CurBulkhead, 3);
  const Bulkhead& added = arrangement().Bulkheads.at(3);
  EXPECT_EQ(added.Name, "New Bulkhead 3");
  EXPECT_EQ(added.iMat, defaultPlatingMaterial(editor.session().ship()));
  EXPECT_EQ(added.Typ, 0);
  EXPECT_TRUE(added.Nodes.count() == 0 && !added.Stool1Enabled && !added.Stool2Enabled);
  EXPECT_EQ(find<CommitField>("FTX_Name")->text(), "New Bulkhead 3");
  EXPECT_EQ(arrangement().Bulkheads.at(1).Name, "Plane bulkhead holds 3/4");

  // Without a contour it has no height: its stools keep no top until it has one.
  editor.refreshAll();
  typeInto(*find<CommitField>("FTX_Name"), "Fore bulkhead");
  const Bulkhead& renamed = arrangement().Bulkheads.at(3);
  EXPECT_EQ(renamed.Name, "Fore bulkhead");
  EXPECT_EQ(renamed.Stool1Z, 0);
  EXPECT_EQ(renamed.Stool2Z, 0);
  EXPECT_EQ(find<NumberField>("FTX_m_0")->text(), "0");
}

TEST_F(BulkheadPanel, EnablingAStoolWithoutTopStartsItAtTheBulkheadsLimit) {
  struct Row {
    const char* box;
    const char* field;
    bool Bulkhead::*enabled;
    Single Bulkhead::*z;
    Single limit;  // the contour's lowest or highest z
  };
  for (const Row row :
       {Row{"OP_Stool_0", "FTX_m_0", &Bulkhead::Stool1Enabled, &Bulkhead::Stool1Z, 1.8F},
        Row{"OP_Stool_1", "FTX_m_1", &Bulkhead::Stool2Enabled, &Bulkhead::Stool2Z, 18.0F}}) {
    SCOPED_TRACE(row.box);
    bulkhead().*row.enabled = false;
    bulkhead().*row.z = 0;
    panel.refreshControls();
    NumberField* field = find<NumberField>(row.field);
    EXPECT_FALSE(field->isEnabled());

    find<QCheckBox>(row.box)->click();

    EXPECT_EQ(editor.session().undoLabel(), "Enable stool changes");
    EXPECT_TRUE(bulkhead().*row.enabled);
    EXPECT_FLOAT_EQ(bulkhead().*row.z, row.limit);
    EXPECT_TRUE(field->isEnabled());
    EXPECT_EQ(field->text(), numberFieldText(row.limit));
    EXPECT_TRUE(editor.session().geometry().valid);
    EXPECT_EQ(editor.refreshAllCount, 0);
  }
}

TEST_F(BulkheadPanel, StoolTopIsKeptWithinTheBulkheadAndSlopeFollowsTheUpperStool) {
  typeInto(*find<NumberField>("FTX_m_1"), "1000");
  EXPECT_EQ(editor.session().undoLabel(), "Bulkhead data changes");
  EXPECT_EQ(bulkhead().Stool2Z, bulkhead().ZMax);
  EXPECT_EQ(editor.refreshAllCount, 1);

  QCheckBox* sloped = find<QCheckBox>("OP_UpStoolSloped");
  ASSERT_TRUE(sloped->isEnabled());
  sloped->click();
  EXPECT_EQ(editor.session().undoLabel(), "Enable upper stool sloped changes");
  EXPECT_TRUE(bulkhead().UpperStoolSloped);

  find<QCheckBox>("OP_Stool_1")->click();
  EXPECT_FALSE(bulkhead().Stool2Enabled);
  EXPECT_FALSE(sloped->isEnabled());
  EXPECT_FALSE(find<NumberField>("FTX_m_1")->isEnabled());
}

TEST_F(BulkheadPanel, EachListRefreshesWhatDependsOnIt) {
  struct Row {
    const char* list;
    int index;
    Long (*stored)(const Bulkhead&);
    Long expected;
    bool recomputes;
    int menuRefreshes;  // besides the one of the refresh cycle
  };
  const Row rows[] = {
      {"CB_Mat", 0, [](const Bulkhead& b) -> Long { return b.iMat; }, 1, false, 0},
      {"CB_ForeAft", 0, [](const Bulkhead& b) { return b.stfside; }, kForwardSide, false, 0},
      {"CB_Type", 2, [](const Bulkhead& b) { return b.Typ; }, kBulkheadCorrugated, false, 1},
      {"CB_HorVer", 0, [](const Bulkhead& b) { return b.stfHV; }, kHorizontal, true, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.list);
    editor.session().computeGeometry();
    editor.refreshAllCount = editor.menuRefreshCount = editor.drawingRefreshCount = 0;

    choose(*find<QComboBox>(row.list), row.index);

    EXPECT_EQ(editor.session().undoLabel(), "Bulkhead data changes");
    EXPECT_EQ(row.stored(bulkhead()), row.expected);
    EXPECT_EQ(editor.session().geometry().valid, row.recomputes);
    EXPECT_EQ(editor.refreshAllCount, row.recomputes ? 1 : 0);
    EXPECT_EQ(editor.drawingRefreshCount, row.recomputes ? 1 : 0);
    EXPECT_EQ(editor.menuRefreshCount, row.menuRefreshes + (row.recomputes ? 1 : 0));
  }
}

TEST_F(BulkheadPanel, RenamingRefreshesTheSelectorOnly) {
  typeInto(*find<CommitField>("FTX_Name"), "Aft bulkhead");
  EXPECT_EQ(bulkhead().Name, "Aft bulkhead");
  EXPECT_EQ(editor.selectorRefreshCount, 1);
  EXPECT_EQ(editor.refreshAllCount, 0);
}

TEST_F(BulkheadPanel, MaterialListFollowsTheShipData) {
  EXPECT_EQ(find<QComboBox>("CB_Mat")->count(), 3);
  EXPECT_EQ(find<QComboBox>("CB_Mat")->currentIndex(), bulkhead().iMat - 1);
  editor.session().ship().MaterialCount = 2;
  panel.refreshControls();
  EXPECT_EQ(find<QComboBox>("CB_Mat")->count(), 2);
}

TEST_F(BulkheadPanel, RemovingTheOnlyBulkheadAsksAndLeavesADisabledPanel) {
  editor.scriptedPrompt().answers = {Answer::No};
  panel.removeItem();
  EXPECT_EQ(editor.scriptedPrompt().messages.back(), "Are you sure to erase bulkhead 1 ?");
  EXPECT_EQ(arrangement().Bulkheads.count(), 1);

  editor.scriptedPrompt().answers = {Answer::Yes};
  panel.removeItem();
  panel.refreshControls();
  EXPECT_EQ(arrangement().Bulkheads.count(), 0);
  EXPECT_EQ(arrangement().CurBulkhead, 0);
  EXPECT_FALSE(panel.canRemove());
  EXPECT_TRUE(panel.canAdd());
  for (const char* name : {"FTX_Name", "CB_Type", "CB_Mat", "CB_HorVer", "CB_ForeAft", "OP_Stool_0",
                           "FTX_m_0", "OP_Stool_1", "FTX_m_1", "OP_UpStoolSloped"}) {
    EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
  }
  EXPECT_TRUE(find<CommitField>("FTX_Name")->text().isEmpty());
  EXPECT_TRUE(find<NumberField>("FTX_m_0")->text().isEmpty());
  EXPECT_EQ(find<QComboBox>("CB_Type")->currentIndex(), -1);
}

TEST_F(BulkheadPanel, FillingNeverCountsAsAChange) {
  panel.refreshControls();
  EXPECT_FALSE(editor.session().hasUnsavedChanges());

  const RefreshingScope refreshing(editor.session());
  find<QCheckBox>("OP_Stool_0")->click();
  choose(*find<QComboBox>("CB_Type"), 1);
  EXPECT_FALSE(editor.session().hasUnsavedChanges());
  EXPECT_TRUE(bulkhead().Stool1Enabled);
  EXPECT_EQ(bulkhead().Typ, 0);
}

}  // namespace
}  // namespace korain::testing
