// The display panel: each box shows and sets its own bit of the display word.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_display.h"

#include <QCheckBox>

#include "ui_test_support.h"
#include "view/display_options.h"

namespace korain::testing {
namespace {

constexpr Long kBits[] = {32, 1, 2, 4, 8, 16, 128, 256, 512};

QCheckBox* viewBox(QWidget& panel, std::size_t i) {
  return control<QCheckBox>(panel, "OP_View_" + QString::number(i));
}

TEST(DisplayPanel, EachBoxShowsAndSetsItsOwnBitWithoutAChange) {
  TestEditor editor;
  FM_Display panel(editor);
  const Long& word = editor.session().display().DisplayWord;
  for (std::size_t i = 0; i < std::size(kBits); ++i) {
    SCOPED_TRACE(i);
    editor.session().setDisplayWord(display_bit::kAxis | display_bit::kStrakes);
    panel.refresh();
    viewBox(panel, i)->click();
    EXPECT_EQ(word, (display_bit::kAxis | display_bit::kStrakes) ^ kBits[i]);
    panel.refresh();
    for (std::size_t k = 0; k < std::size(kBits); ++k) {
      EXPECT_EQ(viewBox(panel, k)->isChecked(), (word & kBits[k]) != 0) << k;
    }
  }
  EXPECT_FALSE(editor.session().canUndo());
  EXPECT_FALSE(panel.canAdd() || panel.canRemove() || panel.canInsert());
}

}  // namespace
}  // namespace korain::testing
