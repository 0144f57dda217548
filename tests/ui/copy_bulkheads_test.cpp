// Copy Bulkheads From driven as a user does: an arrangement of this database,
// the one being edited or one of another database chosen, a bulkhead checked,
// Ok appending it as one change that Undo takes back.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include "dialogs/fm_copy_bulkheads.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class CopyBulkheads : public ExampleTest {
 protected:
  void SetUp() override { editor.openExample(2); }
  ScratchFolder scratch;
};

TEST_F(CopyBulkheads, TheCheckedBulkheadsAreAppendedAsOneChangeThatUndoTakesBack) {
  const struct {
    const char* what;
    bool otherDatabase;
    int arrangementRow;
    const char* appended;
  } cases[] = {
      {"arrangement 1 of this database", false, 1, "Plane bulkhead holds 3/4"},
      {"the arrangement being edited", false, 0, "Corrugated bulkhead holds 4/5"},
      {"arrangement 1 of another database", true, 0, "Plane bulkhead holds 3/4"},
  };
  const std::string other = scratch.file("other.ko2");
  writeFile(other, exampleDatabase());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Arrangement before = session().arrangement();
    FM_CopyBulkheads dialog(editor);
    dialog.show();
    QListWidget& arrangements = *control<QListWidget>(dialog, "LI_Arrangements");
    QListWidget& bulkheads = *control<QListWidget>(dialog, "LI_Bulkheads");
    QPushButton& ok = *control<QPushButton>(dialog, "BT_Ok");
    // The edited arrangement is offered first, as it stands, and not again as its block.
    ASSERT_EQ(arrangements.count(), 2);
    EXPECT_EQ(arrangements.item(0)->text(), "This arrangement: Hold 5 fore bulkhead (corrugated)");
    if (c.otherDatabase) {
      prompt().fileAnswers.push_back(other);
      click(dialog, "BT_OtherDatabase");
    }
    arrangements.setCurrentRow(c.arrangementRow);
    ASSERT_EQ(bulkheads.count(), 1);
    EXPECT_TRUE(bulkheads.item(0)->text().startsWith("1  "));
    EXPECT_FALSE(ok.isEnabled());
    bulkheads.item(0)->setCheckState(Qt::Checked);
    ASSERT_TRUE(ok.isEnabled());
    click(dialog, "BT_Ok");

    EXPECT_FALSE(dialog.isVisible());
    const Arrangement& after = session().arrangement();
    ASSERT_EQ(after.Bulkheads.count(), 2);
    EXPECT_EQ(after.Bulkheads.at(2).Name, c.appended);
    EXPECT_EQ(after.CurBulkhead, 2);
    EXPECT_EQ(session().undoLabel(), "Copy bulkheads");
    EXPECT_EQ(prompt().messages, std::vector<std::string>{});
    ASSERT_TRUE(session().undo());
    EXPECT_EQ(session().arrangement().Bulkheads, before.Bulkheads);
  }
  // The other database was only read.
  EXPECT_EQ(readFile(other), exampleDatabase());
}

}  // namespace
}  // namespace korain::testing
