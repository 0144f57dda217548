// The strake bands panel: its controls, how they show the current band and
// strake, and how each change goes back into them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_band.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <vector>

#include "edit/band_edits.h"
#include "edit/selection_edits.h"
#include "panels/form_rows.h"
#include "view/band_panel_state.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

QListWidget* rowList(const char* name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->setMinimumHeight(110);
  return list;
}

// Rewrites the rows in place when their number is unchanged, so that the
// list keeps its scroll position.
void showRows(QListWidget& list, const std::vector<std::string>& rows, int current) {
  QStringList texts;
  for (const std::string& row : rows) texts << QString::fromStdString(row);
  if (list.count() != texts.size()) {
    list.clear();
    list.addItems(texts);
  } else {
    for (int i = 0; i < list.count(); ++i) list.item(i)->setText(texts[i]);
  }
  list.setCurrentRow(current);
}

}  // namespace

FM_Band::FM_Band(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::StrakeBands, SelectorUse::Shown, parent) {
  setObjectName("FM_Band");
  buildControls();
}

void FM_Band::buildControls() {
  controls_ = new QWidget(this);
  auto* layout = new QVBoxLayout(controls_);
  layout->setContentsMargins(0, 0, 0, 0);
  binder_ = new FormBinder(editor(), *controls_);
  layout->addWidget(buildBandGroup());
  layout->addWidget(buildStrakeGroup());
  body()->addWidget(controls_);
}

QGroupBox* FM_Band::buildBandGroup() {
  auto* group = new QGroupBox("Vertical distribution", controls_);
  FormRows rows(*group, *new QGridLayout(group));
  bands_ = rowList("LI_Band", group);
  rows.addWide(bands_);
  connect(bands_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) moveSelection([row](Selection& s, const Bulkhead&) { chooseBand(s, row + 1); });
  });
  z_ = binder_->addRow(rows, bandForm(), "FTX_m");
  return group;
}

QGroupBox* FM_Band::buildStrakeGroup() {
  auto* group = new QGroupBox("Horizontal distribution", controls_);
  FormRows rows(*group, *new QGridLayout(group));
  const std::array<StripTool, 2> tools = {{{"add", "Add strake"}, {"delete", "Remove strake"}}};
  std::array<QToolButton*, 2> buttons{};
  strakeTools_ = toolStrip(group, "SS_AddDel", tools, buttons, [this](int tool) {
    if (tool == 0) {
      addStrake();
    } else {
      removeStrake();
    }
  });
  rows.addWide(strakeTools_);
  strakes_ = rowList("LI_Strake", group);
  rows.addWide(strakes_);
  connect(strakes_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) {
      moveSelection([row](Selection& s, const Bulkhead&) { chooseStrake(s, row + 1); });
    }
  });
  const FormTable<Strake>& table = strakeForm();
  y_ = binder_->addRow(rows, table, "FTX_Y");
  for (const char* name : {"FTX_Th", "CB_Mat"}) binder_->addRow(rows, table, name);
  return group;
}

void FM_Band::fillControls() {
  const BandPanelState state = bandPanelState(currentBulkhead());
  controls_->setEnabled(state.Enabled);
  showRows(*bands_, state.BandRows, state.BandRow);
  showRows(*strakes_, state.StrakeRows, state.StrakeRow);
  strakeTools_->setEnabled(state.StrakeTools);
  binder_->fill();
  if (focusNext_ != nullptr && isVisible()) focusNext_->setFocus();
  focusNext_ = nullptr;
}

void FM_Band::addStrake() {
  focusNext_ = y_;
  changeBulkhead("Strake creation", [](Bulkhead& b) { insertStrake(b); });
}

std::string FM_Band::erasedStrake() const {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr || !bulkhead->StrakeBands.inBounds(bulkhead->CurBand)) return {};
  const StrakeBand& band = bulkhead->StrakeBands.at(bulkhead->CurBand);
  if (!band.Strakes.inBounds(band.CurStrake)) return {};
  return "strake " + std::to_string(band.Strakes.at(band.CurStrake).StrakeNumber);
}

void FM_Band::removeStrake() {
  if (editor().refreshing() || !confirmErase(erasedStrake())) return;
  changeBulkhead("Strake deletion", [](Bulkhead& b) { return korain::removeStrake(b); });
}

EditOutcome FM_Band::addItem(Arrangement& a) {
  focusNext_ = z_;
  insertBand(currentOf(a));
  return {};
}

EditOutcome FM_Band::removeItem(Arrangement& a) { return removeBand(currentOf(a)); }

}  // namespace korain
