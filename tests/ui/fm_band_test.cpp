// The strake bands panel driven as a user does: a band chosen, a band and a
// strake inserted, a strake's thickness and material changed, one removed.
#include "panels/fm_band.h"

#include <QListWidget>

#include "ui_test_support.h"

namespace korain {
namespace {

using testing::control;

class BandPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.setPanel(&panel_);
    editor_.openExample(1);  // bands up to z 6, 9, 12 and 14.5, three strakes each
    panel_.refresh();
  }

  Session& session() { return editor_.session(); }
  const Bulkhead& bulkhead() { return session().arrangement().Bulkheads.at(1); }
  QListWidget* list(const char* name) { return control<QListWidget>(panel_, name); }
  NumberField* field(const char* name) { return control<NumberField>(panel_, name); }
  void runCommand(const std::string& label, void (Panel::*command)(Arrangement&)) {
    session().change({.label = label,
                      .scope = EditScope::bulkhead(1),
                      .edit = [&](Arrangement& a) { (panel_.*command)(a); },
                      .follow = kRefreshAll});
  }

  testing::TestEditor editor_;
  FM_Band panel_{editor_};
};

TEST_F(BandPanel, ABandAndAStrakeAreInsertedEditedAndRemoved) {
  ASSERT_EQ(list("LI_Band")->count(), 4);
  EXPECT_EQ(list("LI_Band")->item(1)->text(), "2 - 9.000");
  list("LI_Band")->setCurrentRow(1);
  EXPECT_EQ(bulkhead().CurBand, 2);
  EXPECT_EQ(field("FTX_m")->text(), "9");
  EXPECT_FALSE(session().canUndo());

  runCommand("Add Strake band", &Panel::addItem);
  ASSERT_EQ(bulkhead().StrakeBands.count(), 5);
  EXPECT_EQ(list("LI_Band")->item(1)->text(), "2 - 7.500");
  EXPECT_EQ(list("LI_Strake")->count(), 3);

  list("LI_Strake")->setCurrentRow(1);
  control<QAbstractButton>(panel_, "SS_AddDel_0")->click();
  EXPECT_EQ(session().undoLabel(), "Strake creation");
  const StrakeBand& band = bulkhead().StrakeBands.at(2);
  ASSERT_EQ(band.Strakes.count(), 4);
  EXPECT_EQ(band.Strakes.at(2).Y, 8.4F);
  EXPECT_EQ(field("FTX_Y")->text(), "8.4");

  testing::typeInto(*field("FTX_Th"), "17");
  EXPECT_EQ(session().undoLabel(), "Strake thickness change");
  EXPECT_EQ(bulkhead().StrakeBands.at(2).Strakes.at(2).Th, 17.0F);
  testing::choose(*control<QComboBox>(panel_, "CB_Mat"), 0);
  EXPECT_EQ(session().undoLabel(), "Strake material change");
  EXPECT_EQ(bulkhead().StrakeBands.at(2).Strakes.at(2).iMat, 1);

  auto& prompt = editor_.scriptedPrompt();
  prompt.answers = {Answer::Yes};
  control<QAbstractButton>(panel_, "SS_AddDel_1")->click();
  EXPECT_EQ(prompt.messages.back(), "Are you sure to erase strake 2 ?");
  EXPECT_EQ(bulkhead().StrakeBands.at(2).Strakes.count(), 3);

  prompt.answers = {Answer::Yes};
  runCommand("Delete Strake band", &Panel::removeItem);
  EXPECT_EQ(prompt.messages.back(), "Are you sure to erase band 2 ?");
  EXPECT_EQ(bulkhead().StrakeBands.count(), 4);
}

}  // namespace
}  // namespace korain
