// Every kind of edit the editor offers besides the rows of the form tables
// (whose walk checks the same after each row), made as a user makes it:
// afterwards the message list and every computed field are those of a
// computation from scratch of the arrangement as it stands, with nothing left to F9.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "ui_test_support.h"

namespace korain::testing {
namespace {

using Act = std::function<void(QWidget& window, QWidget& panel, ScriptedPrompt& prompt)>;

// The panel shown by `menu`, the data prepared through the change path, the
// edit made through the panel, its menus or the dialogs it opens.
struct EditRow {
  const char* name;
  const char* menu;
  const char* panel;
  Act act;
  std::function<void(Session&)> setup = nullptr;
};

void PrintTo(const EditRow& row, std::ostream* out) { *out << row.name; }

// The next item of a drop-down list, as a user chooses another one.
void chooseAnother(QWidget& panel, const char* name) {
  auto* list = control<QComboBox>(panel, name);
  choose(*list, (list->currentIndex() + 1) % list->count());
}

// Stiffeners (0-based rows) chosen in the panel's list, on one of its tabs.
void selectStiffeners(QWidget& panel, int tab, std::initializer_list<int> rows) {
  choose(*control<QComboBox>(panel, "CB_Tab"), tab);
  auto* list = control<QListWidget>(panel, "LI_Stiff");
  list->clearSelection();
  for (const int row : rows) list->item(row)->setSelected(true);
}

// Opens a dialog with the panel's button, lets `fill` work in it, then confirms it.
void inDialog(QWidget& panel, const char* button, const char* form, const char* ok,
              std::function<void(QWidget&)> fill) {
  answerNextDialog(form, ok, std::move(fill));
  click(panel, button);
}

// Node 3's arc given a radius too small for its chord: the geometry says so.
void arcTooTight(Session& s) {
  changeFirstBulkhead(s, [](Bulkhead& b) { b.Nodes.at(3).ShR = 0.5; });
}

void run(QWidget& window, const char* action) { control<QAction>(window, action)->trigger(); }

// A command of the main window, its questions answered in turn.
Act command(const char* action, std::vector<Answer> answers = {}) {
  return [action, answers](QWidget& window, QWidget&, ScriptedPrompt& prompt) {
    prompt.answers.assign(answers.begin(), answers.end());
    run(window, action);
  };
}

#define ACT(...)                                                \
  [](QWidget& window, QWidget& panel, ScriptedPrompt& prompt) { \
    (void)window;                                               \
    (void)panel;                                                \
    (void)prompt;                                               \
    __VA_ARGS__;                                                \
  }

std::vector<EditRow> rows() {
  return {
      {"bulkhead added", "ME_Obj_0", "FM_Bh", command("ME_Add")},
      {"bulkhead removed", "ME_Obj_0", "FM_Bh", command("ME_Delete", {Answer::Yes}),
       [](Session& s) {
         s.change({.label = "test", .scope = EditScope::resizedAt(2), .edit = [](Arrangement& a) {
                     a.Bulkheads.append(a.Bulkheads.at(1));
                   }});
       }},
      {"bulkheads copied", "ME_Obj_0", "FM_Bh",
       ACT(answerNextDialog("FM_CopyBulkheads", "BT_Ok",
                            [](QWidget& d) {
                              control<QListWidget>(d, "LI_Arrangements")->setCurrentRow(0);
                              click(d, "BT_All");
                            });
           run(window, "ME_CopyBulkheads"))},
      {"node added", "ME_Obj_1", "FM_Node", command("ME_Add")},
      {"node inserted", "ME_Obj_1", "FM_Node", command("ME_Insert")},
      {"node removed", "ME_Obj_1", "FM_Node", command("ME_Delete", {Answer::Yes})},
      {"member added", "ME_Obj_2", "FM_Prim", command("ME_Add")},
      {"member removed", "ME_Obj_2", "FM_Prim", command("ME_Delete", {Answer::Yes})},
      {"profile type", "ME_Obj_3", "FM_Second",
       ACT(selectStiffeners(panel, 0, {3}); click(panel, "SS_type_2"))},
      {"stiffener added", "ME_Obj_3", "FM_Second", command("ME_Add")},
      {"stiffeners removed", "ME_Obj_3", "FM_Second",
       ACT(selectStiffeners(panel, 0, {2, 3}); prompt.answers = {Answer::Yes};
           run(window, "ME_Delete"))},
      {"strake added", "ME_Obj_5", "FM_Band", ACT(click(panel, "SS_AddDel_0"))},
      {"strake removed", "ME_Obj_5", "FM_Band",
       ACT(prompt.answers = {Answer::Yes}; click(panel, "SS_AddDel_1"))},
      {"band added", "ME_Obj_5", "FM_Band", command("ME_Add")},
      {"band removed", "ME_Obj_5", "FM_Band", command("ME_Delete", {Answer::Yes})},
      {"compartment type", "ME_Obj_6", "FM_Comp", ACT(chooseAnother(panel, "CB_Type"))},
      {"main destination", "ME_Obj_6", "FM_Comp", ACT(chooseAnother(panel, "CB_MainDest"))},
      {"computed position", "ME_Obj_6", "FM_Comp",
       ACT(inDialog(panel, "BT_Lem", "FM_LemKora", "BT_Ok",
                    [](QWidget& d) { click(d, "OP_UseCalcYZ"); }))},
      {"load type", "ME_Obj_6", "FM_Comp",
       ACT(inDialog(panel, "BT_lcm", "FM_LcmKora", "BT_Ok",
                    [](QWidget& d) { click(d, "OP_Type_3"); }))},
      {"default filling levels", "ME_Obj_6", "FM_Comp",
       ACT(inDialog(panel, "BT_R", "FM_ResKora", "BT_ok",
                    [](QWidget& d) { click(d, "BT_default"); }))},
      {"undo", "ME_Obj_0", "FM_Bh", command("ME_EditUndo"), arcTooTight},
      {"redo", "ME_Obj_0", "FM_Bh", command("ME_EditRedo"),
       [](Session& s) {
         arcTooTight(s);
         s.undo();
       }},
  };
}

class EveryEdit : public MainWindowTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EveryEdit, LeavesTheMessagesAndTheGeometryAsAComputationFromScratch) {
  const EditRow& row = GetParam();
  if (row.setup) row.setup(session_);
  run(window_, row.menu);
  auto* panel = control<QWidget>(window_, row.panel);
  ASSERT_NE(panel, nullptr);
  const Arrangement before = session_.arrangement();
  row.act(window_, *panel, prompt_);
  ASSERT_FALSE(session_.arrangement() == before) << "a row that changes nothing proves nothing";
  expectAsComputedFromScratch(session_, row.name);
}

std::string rowName(const ::testing::TestParamInfo<EditRow>& info) {
  std::string name = info.param.name;
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}
INSTANTIATE_TEST_SUITE_P(EveryKindOfEdit, EveryEdit, ::testing::ValuesIn(rows()), rowName);

}  // namespace
}  // namespace korain::testing
