// The ordinary stiffeners wizard on the example: what it proposes, the
// refused zero spacing, and the row made as one change or not at all.
#include "dialogs/fm_second_wiz.h"

#include <memory>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class StiffenerWizard : public ExampleTest {
 protected:
  void SetUp() override {
    ExampleTest::SetUp();  // stiffeners 0.8 m apart up to y 14.4
    wizard_ = std::make_unique<FM_SecondWiz>(editor);
  }

  NumberField* field(const char* name) { return control<NumberField>(*wizard_, name); }

  std::unique_ptr<FM_SecondWiz> wizard_;
};

TEST_F(StiffenerWizard, ProposesTheRowAfterTheLastStiffenerAndRefusesAZeroSpacing) {
  EXPECT_EQ(field("FTX_m_1")->text(), "0.8");
  EXPECT_EQ(field("FTX_m_0")->text(), "15.2");
  typeInto(*field("FTX_m_0"), "2");
  const QString number = field("FTX_m_2")->text();
  EXPECT_GT(number.toInt(), 10);

  typeInto(*field("FTX_m_1"), "0");
  EXPECT_EQ(prompt().messages, std::vector<std::string>{"Please enter a valid spacing value"});
  EXPECT_EQ(field("FTX_m_1")->text(), "1");

  control<QPushButton>(*wizard_, "BT_Cancel")->click();
  EXPECT_FALSE(session().canUndo());
}

TEST_F(StiffenerWizard, OkMakesTheRowAsOneStep) {
  const int before = bulkhead().Stiffeners.count();
  typeInto(*field("FTX_m_0"), "0.4");
  typeInto(*field("FTX_m_2"), "3");
  control<QPushButton>(*wizard_, "BT_Ok")->click();
  EXPECT_EQ(session().undoLabel(), "Ordinary stiffeners wizard creation");
  ASSERT_EQ(bulkhead().Stiffeners.count(), before + 3);
  // Between the stiffeners already there, each new one selected.
  for (const int k : {1, 3, 5}) EXPECT_TRUE(bulkhead().Stiffeners.at(k).Selected) << k;
  EXPECT_FALSE(bulkhead().Stiffeners.at(2).Selected);
  EXPECT_TRUE(session().undo());
  EXPECT_EQ(bulkhead().Stiffeners.count(), before);
}

}  // namespace
}  // namespace korain::testing
