// The display panel: each box shows and sets its own bit of the display word.
#include "panels/fm_display.h"

#include <QCheckBox>

#include "ui_test_support.h"
#include "view/display_options.h"

namespace korain::testing {
namespace {

constexpr Long kBits[] = {32, 1, 2, 4, 8, 16, 128, 256};

QCheckBox* viewBox(QWidget& panel, std::size_t i) {
  return control<QCheckBox>(panel, "OP_View_" + QString::number(i));
}

TEST(DisplayPanel, EachBoxShowsAndSetsItsOwnBitWithoutUndo) {
  TestEditor editor;
  FM_Display panel(editor);
  editor.setPanel(&panel);
  Long& word = editor.session().display().DisplayWord;
  for (std::size_t i = 0; i < std::size(kBits); ++i) {
    SCOPED_TRACE(i);
    word = 0;
    panel.refreshControls();
    EXPECT_FALSE(viewBox(panel, i)->isChecked());
    viewBox(panel, i)->click();
    EXPECT_EQ(word, kBits[i]);
    panel.refreshControls();
    for (std::size_t k = 0; k < std::size(kBits); ++k) {
      EXPECT_EQ(viewBox(panel, k)->isChecked(), k == i) << k;
    }
  }
  EXPECT_EQ(editor.drawingRefreshCount, static_cast<int>(std::size(kBits)));
  EXPECT_FALSE(editor.session().hasUnsavedChanges());
  EXPECT_FALSE(panel.canAdd() || panel.canRemove() || panel.canInsert());
}

TEST(DisplayPanel, UntickingAxisClearsItsBitOnly) {
  TestEditor editor;
  FM_Display panel(editor);
  Long& word = editor.session().display().DisplayWord;
  word = display_bit::kAxis | display_bit::kStools | display_bit::kStrakes;
  panel.refreshControls();
  EXPECT_EQ(control<QCheckBox>(panel, "OP_View_0")->text(), "Axis");

  viewBox(panel, 0)->click();

  EXPECT_EQ(word, display_bit::kStools | display_bit::kStrakes);
  EXPECT_TRUE(viewBox(panel, 1)->isChecked());
  EXPECT_TRUE(viewBox(panel, 6)->isChecked());
}

}  // namespace
}  // namespace korain::testing
