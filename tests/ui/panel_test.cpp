// The panels' Delete in the main window as a user meets it: the question first,
// naming the object as the panel shows it, and a No that leaves no trace.
#include "panels/panel.h"

#include <QItemSelectionModel>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

class PanelDelete : public MainWindowTest {
 protected:
  std::string lastMessage() {
    auto* list = control<QComboBox>(window_, "CB_Error");
    return list->itemText(list->count() - 1).toStdString();
  }
};

// The number before " - " in the current row of a list.
QString rowNumber(QListWidget& list) { return list.currentItem()->text().section(" - ", 0, 0); }

TEST_F(PanelDelete, AnsweredNoNamesTheNumberShownAndHandsNothingOver) {
  struct Case {
    int tool;
    const char* form;
    // What the user chooses first, in the main window.
    std::function<void(QWidget&)> choose;
    // What the question must name, as the main window shows it.
    std::function<QString(QWidget&)> shown;
    // The panel's own delete tool; the main window's Delete when none.
    const char* ownTool;
  };
  const Case cases[] = {
      {1, "FM_Node",
       [](QWidget& w) {
         for (int i = 0; i < 2; ++i) control<QAbstractButton>(w, "BT_Inode_1")->click();
       },
       [](QWidget& w) { return "node " + control<QLabel>(w, "LB_Plate")->text(); }, nullptr},
      {2, "FM_Prim", [](QWidget& w) { control<QAbstractButton>(w, "BT_Iprim_1")->click(); },
       [](QWidget& w) {
         return "Primary supporting member " + control<QLabel>(w, "LB_Prim")->text();
       },
       nullptr},
      {3, "FM_Second",
       [](QWidget& w) {
         QListWidget& rows = *control<QListWidget>(w, "LI_Stiff");
         rows.selectionModel()->select(
             QItemSelection(rows.model()->index(2, 0), rows.model()->index(4, 0)),
             QItemSelectionModel::ClearAndSelect);
       },
       [](QWidget& w) {
         const auto count = control<QListWidget>(w, "LI_Stiff")->selectedItems().size();
         return QString::number(count) + " ordinary stiff(s)";
       },
       nullptr},
      {5, "FM_Band", [](QWidget& w) { control<QListWidget>(w, "LI_Band")->setCurrentRow(2); },
       [](QWidget& w) { return "band " + rowNumber(*control<QListWidget>(w, "LI_Band")); },
       nullptr},
      // Strakes are numbered on through the bands: band 2's second is the fifth.
      {5, "FM_Band",
       [](QWidget& w) {
         control<QListWidget>(w, "LI_Band")->setCurrentRow(1);
         control<QListWidget>(w, "LI_Strake")->setCurrentRow(1);
       },
       [](QWidget& w) { return "strake " + rowNumber(*control<QListWidget>(w, "LI_Strake")); },
       "SS_AddDel_1"},
      {0, "FM_Bh", [](QWidget&) {},
       [](QWidget& w) {
         return "bulkhead " + control<QComboBox>(w, "CB_Panel")->currentText().section(" - ", 0, 0);
       },
       nullptr},
  };
  for (const Case& c : cases) {
    QAction& tool = action(("SS_Objects_" + std::to_string(c.tool)).c_str());
    if (!tool.isChecked()) tool.trigger();
    c.choose(window_);
    session_.report("Earlier notice");
    prompt_.messages.clear();
    prompt_.answers = {Answer::No};
    if (c.ownTool != nullptr) {
      control<QAbstractButton>(*control<QWidget>(window_, c.form), c.ownTool)->click();
    } else {
      action("SS_AddDel_1").trigger();
    }
    const QString question = "Are you sure to erase " + c.shown(window_) + " ?";
    EXPECT_EQ(prompt_.messages, std::vector<std::string>{question.toStdString()}) << c.form;
    EXPECT_FALSE(session_.canUndo()) << c.form;
    EXPECT_FALSE(session_.hasUnsavedChanges()) << c.form;
    // Nothing was recomputed: the list still shows what it showed.
    EXPECT_EQ(lastMessage(), "Earlier notice") << c.form;
  }
}

}  // namespace
}  // namespace korain::testing
