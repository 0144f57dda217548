// The main data dialog: built from its form table, filled from the
// arrangement's header when it opens, written back as one change on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_main_data.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "ship/ship_queries.h"
#include "view/forms/forms.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

constexpr char kMainDataChanges[] = "Main data changes";

QGridLayout* formGrid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setColumnStretch(1, 1);
  return grid;
}

}  // namespace

FM_MainData::FM_MainData(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName("FM_MainData");
  setWindowTitle("Main Bulkhead Arrangement Data");
  binder_ = new FormBinder(editor_, *this, FormBinder::Commit::OnConfirm);

  tabs_ = new QTabWidget(this);
  tabs_->addTab(generalPage(), "General");
  tabs_->addTab(holdPage(), "Hold Data");
  // Stools and hoppers belong to the ship types that have them.
  tabs_->setTabVisible(1, isShipTypeGroup(editor_.session().ship()));

  const auto [ok, cancel, buttons] = makeOkCancel(*this);
  connect(ok, &QPushButton::clicked, this, &FM_MainData::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);

  binder_->fill();
  // Typing starts in the name: left to itself the dialog gives the keys to its tab bar.
  findChild<QWidget*>("FTX_Ident")->setFocus();
  // The state of a run started from outside with /V is that run's to set.
  findChild<QComboBox*>("CB_State")->setEnabled(!editor_.session().run().TollanMode);
}

QWidget* FM_MainData::generalPage() {
  auto* page = new QWidget(this);
  QGridLayout* grid = formGrid(page);
  FormRows rows(*page, *grid);
  for (const char* name : {"FTX_Ident", "FTX_m", "CB_Sym", "CB_State", "TX_State"}) {
    binder_->addRow(rows, mainDataForm(), name);
  }
  auto* tollan = new QLabel("(TOLLAN State)", page);
  tollan->setObjectName("LB_Tollan");
  tollan->setVisible(editor_.session().run().TollanMode);
  rows.add(QString(), tollan);
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* FM_MainData::holdPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  struct Group {
    const char* title;
    std::array<const char*, 2> names;
  };
  const std::array<Group, 3> groups = {{
      {"Stool", {"FTX_Hold_0", nullptr}},
      {"Fore Hold Hopper", {"FTX_Hold_1", "FTX_Hold_2"}},
      {"Aft Hold Hopper", {"FTX_Hold_3", "FTX_Hold_4"}},
  }};
  for (const Group& group : groups) {
    auto* box = new QGroupBox(group.title, page);
    FormRows rows(*page, *formGrid(box));
    for (const char* name : group.names) {
      if (name != nullptr) binder_->addRow(rows, mainDataForm(), name);
    }
    layout->addWidget(box);
  }
  layout->addStretch(1);
  return page;
}

void FM_MainData::confirm() {
  if (binder_->confirm(kMainDataChanges)) accept();
}

}  // namespace korain
