// The ordinary stiffeners wizard on the example: what it proposes, the
// refused zero spacing, and the row made as one change or not at all.
#include "dialogs/fm_second_wiz.h"

#include <QPushButton>
#include <memory>

#include "ui_test_support.h"

namespace korain {
namespace {

using testing::control;

class StiffenerWizard : public ::testing::Test {
 protected:
  void SetUp() override {
    editor_.openExample(1);  // stiffeners 0.8 m apart up to y 14.4
    wizard_ = std::make_unique<FM_SecondWiz>(editor_);
  }

  const Bulkhead& bulkhead() { return editor_.session().arrangement().Bulkheads.at(1); }
  NumberField* field(const char* name) { return control<NumberField>(*wizard_, name); }

  testing::TestEditor editor_;
  std::unique_ptr<FM_SecondWiz> wizard_;
};

TEST_F(StiffenerWizard, ProposesTheRowAfterTheLastStiffenerAndRefusesAZeroSpacing) {
  EXPECT_EQ(wizard_->windowTitle(), "Ordinary stiffeners creation");
  EXPECT_EQ(field("FTX_m_1")->text(), "0.8");
  EXPECT_EQ(field("FTX_m_0")->text(), "15.2");
  testing::typeInto(*field("FTX_m_0"), "2");
  const QString number = field("FTX_m_2")->text();
  EXPECT_GT(number.toInt(), 10);

  testing::typeInto(*field("FTX_m_1"), "0");
  EXPECT_EQ(editor_.scriptedPrompt().messages,
            std::vector<std::string>{"Please enter a valid spacing value"});
  EXPECT_EQ(field("FTX_m_1")->text(), "1");

  control<QPushButton>(*wizard_, "BT_Cancel")->click();
  EXPECT_FALSE(editor_.session().canUndo());
}

TEST_F(StiffenerWizard, OkMakesTheRowAsOneStep) {
  const int before = bulkhead().Stiffeners.count();
  testing::typeInto(*field("FTX_m_0"), "0.4");
  testing::typeInto(*field("FTX_m_2"), "3");
  control<QPushButton>(*wizard_, "BT_Ok")->click();
  EXPECT_EQ(editor_.session().undoLabel(), "Ordinary stiffeners wizard creation");
  ASSERT_EQ(bulkhead().Stiffeners.count(), before + 3);
  // Between the stiffeners already there, each new one selected.
  for (const int k : {1, 3, 5}) EXPECT_TRUE(bulkhead().Stiffeners.at(k).Selected) << k;
  EXPECT_FALSE(bulkhead().Stiffeners.at(2).Selected);
  EXPECT_TRUE(editor_.session().undo());
  EXPECT_EQ(bulkhead().Stiffeners.count(), before);
}

}  // namespace
}  // namespace korain
