// The main data dialog: filled from the arrangement's header when it opens,
// written back as one change on Ok.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/fm_main_data.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "edit/arrangement_edits.h"
#include "ship/ship_queries.h"
#include "text/string_table.h"
#include "widgets/ok_cancel.h"

namespace korain {
namespace {

constexpr char kMainDataChanges[] = "Main data changes";

// Numbered texts: the symmetry caption, the items of the symmetry list (the
// three-state code texts) and the state types 1 to 3.
constexpr int kCodeCount = 3;

QComboBox* numberedList(const char* name, Long firstText, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (Long k = 0; k < kCodeCount; ++k) {
    list->addItem(QString::fromStdString(korainString(firstText + k)));
  }
  return list;
}

NumberField* numberField(const QString& name, QWidget* parent) {
  auto* field = new NumberField(parent);
  field->setObjectName(name);
  return field;
}

// A code the list has no item for shows no item, and stays as stored on Ok.
void showPosition(QComboBox& list, Long position) {
  list.setCurrentIndex(position >= 0 && position < list.count() ? static_cast<int>(position) : -1);
}

Long chosenPosition(const QComboBox& list, Long stored) {
  return list.currentIndex() < 0 ? stored : list.currentIndex();
}

}  // namespace

FM_MainData::FM_MainData(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName("FM_MainData");
  setWindowTitle("Main Bulkhead Arrangement Data");

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

  fill();
}

QWidget* FM_MainData::generalPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);

  ident_ = new CommitField(page);
  ident_->setObjectName("FTX_Ident");
  form->addRow("&Identification :", ident_);
  x_ = numberField("FTX_m", page);
  form->addRow("&Longitudinal Location (from APP)", x_);

  sym_ = numberedList("CB_Sym", text_id::kFirstThreeStateText, page);
  auto* symLabel =
      new QLabel(QString::fromStdString(korainString(text_id::kSymmetryCaption)), page);
  symLabel->setObjectName("LB_Sym");
  symLabel->setBuddy(sym_);
  form->addRow(symLabel, sym_);

  state_ = numberedList("CB_State", text_id::kFirstStateText, page);
  form->addRow("State type :", state_);
  stateIndex_ = numberField("TX_State", page);
  // The index is a whole number of at least 1, as the database keeps it; a
  // fraction typed is rounded to it.
  stateIndex_->setRange(1, std::numeric_limits<Integer>::max());
  stateIndex_->setWholeNumbers(NumberField::Fraction::Rounded);
  form->addRow("State index :", stateIndex_);

  // The state of a run started from outside with /V is that run's to set.
  const bool tollan = editor_.session().run().TollanMode;
  tollan_ = new QLabel("(TOLLAN State)", page);
  tollan_->setObjectName("LB_Tollan");
  tollan_->setVisible(tollan);
  state_->setEnabled(!tollan);
  form->addRow(QString(), tollan_);
  return page;
}

QWidget* FM_MainData::holdPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  struct Group {
    const char* title;
    std::array<const char*, 2> captions;
    std::size_t first;
    std::size_t count;
  };
  const std::array<Group, 3> groups = {{
      {"Stool", {"&Volume", nullptr}, 0, 1},
      {"Fore Hold Hopper", {"&Breadth", "&Ztop / BL"}, 1, 2},
      {"Aft Hold Hopper", {"B&readth", "Z&top / BL"}, 3, 2},
  }};
  for (const Group& group : groups) {
    auto* box = new QGroupBox(group.title, page);
    auto* form = new QFormLayout(box);
    for (std::size_t k = 0; k < group.count; ++k) {
      const std::size_t i = group.first + k;
      hold_[i] = numberField("FTX_Hold_" + QString::number(i), box);
      form->addRow(group.captions[k], hold_[i]);
    }
    layout->addWidget(box);
  }
  layout->addStretch(1);
  return page;
}

void FM_MainData::fill() {
  const Arrangement& a = editor_.session().arrangement();
  ident_->showText(QString::fromStdString(a.Name));
  x_->showValue(a.X);
  showPosition(*sym_, a.SymFlag);
  const std::array<Single, 5> hold = {a.StoolVolume, a.ForeHopperBreadth, a.ForeHopperZTop,
                                      a.AftHopperBreadth, a.AftHopperZTop};
  for (std::size_t i = 0; i < hold_.size(); ++i) hold_[i]->showValue(hold[i]);
  showPosition(*state_, a.StateType - 1);
  stateIndex_->showValue(a.StateIndex);
}

void FM_MainData::confirm() {
  if (!settleNumberFields(*this)) return;
  Session& session = editor_.session();
  const Arrangement& current = session.arrangement();
  MainData main = mainDataOf(current);
  main.Name = ident_->text().toStdString();
  main.X = static_cast<Single>(x_->value());
  main.SymFlag = chosenPosition(*sym_, current.SymFlag);
  std::array<Single*, 5> hold = {&main.StoolVolume, &main.ForeHopperBreadth, &main.ForeHopperZTop,
                                 &main.AftHopperBreadth, &main.AftHopperZTop};
  for (std::size_t i = 0; i < hold_.size(); ++i) *hold[i] = static_cast<Single>(hold_[i]->value());
  main.StateType = chosenPosition(*state_, current.StateType - 1) + 1;
  main.StateIndex = static_cast<Integer>(stateIndex_->wholeValue());
  // Only the symmetry reaches the geometry of the bulkheads: it decides which
  // open contours count as closed.
  const EditScope scope = main.SymFlag != current.SymFlag ? EditScope::all() : EditScope::header();
  session.change({.label = kMainDataChanges,
                  .scope = scope,
                  .edit = [&main](Arrangement& a) { setMainData(a, main); },
                  .follow = kRefreshAll});
  accept();
}

}  // namespace korain
