// The corrugation panel driven as a user does on a corrugated bulkhead.
#include "panels/fm_corr.h"

#include <QCheckBox>
#include <QLabel>

#include "ui_test_support.h"

namespace korain {
namespace {

using testing::control;

TEST(CorrPanel, ShowsTheCorrugationAndTakesItsDepthAndSupports) {
  testing::TestEditor editor;
  FM_Corr panel(editor);
  editor.setPanel(&panel);
  editor.openExample(2);  // start 0.48, S1 1.45, a 0.96, d 0.85, both supports fixed
  panel.refresh();
  const Session& session = editor.session();
  const Corrugation& corrugation = session.arrangement().Bulkheads.at(1).Corr;
  EXPECT_EQ(control<NumberField>(panel, "FTX_m_1")->text(), "1.45");
  EXPECT_FALSE(control<QLabel>(panel, "PIC_Corr")->pixmap().isNull());

  testing::typeInto(*control<NumberField>(panel, "FTX_m_3"), "0.9");
  EXPECT_EQ(corrugation.D, 0.9F);
  EXPECT_EQ(corrugation.S1, 1.45F);
  EXPECT_EQ(session.undoLabel(), "Corrugated data changes");

  control<QCheckBox>(panel, "OP_Support_0")->click();
  EXPECT_FALSE(corrugation.FixedUpper);
  EXPECT_TRUE(corrugation.FixedLower);
  EXPECT_EQ(control<NumberField>(panel, "FTX_m_3")->text(), "0.9");
}

}  // namespace
}  // namespace korain
