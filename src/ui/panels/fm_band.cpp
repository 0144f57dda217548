// The strake bands panel: its controls, how they show the current band and
// strake, and how each change goes back into them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_band.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <vector>

#include "edit/band_edits.h"
#include "edit/selection_edits.h"
#include "panels/form_rows.h"
#include "view/band_panel_state.h"
#include "widgets/material_list.h"

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
  z_ = rows.addNumber("&Z :", "FTX_m", [this] {
    const auto z = static_cast<Single>(z_->value());
    changeBulkhead("Strake Band position change", [z](Bulkhead& b) { setBandZ(b, z); });
  });
  return group;
}

QGroupBox* FM_Band::buildStrakeGroup() {
  auto* group = new QGroupBox("Horizontal distribution", controls_);
  FormRows rows(*group, *new QGridLayout(group));
  const std::array<StripTool, 2> tools = {{{"add", "Add strake"}, {"delete", "Remove strake"}}};
  rows.addWide(toolStrip(group, "SS_AddDel", tools, strakeTools_, [this](int tool) {
    if (tool == 0) {
      addStrake();
    } else {
      removeStrake();
    }
  }));
  strakes_ = rowList("LI_Strake", group);
  rows.addWide(strakes_);
  connect(strakes_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) {
      moveSelection([row](Selection& s, const Bulkhead&) { chooseStrake(s, row + 1); });
    }
  });
  y_ = rows.addNumber("&Y :", "FTX_Y",
                      [this] { changeStrake("Strake position change", kRefreshAll); });
  thickness_ = new NumberField(group);
  thickness_->setObjectName("FTX_Th");
  auto* thicknessRow = new QHBoxLayout;
  thicknessRow->addWidget(thickness_, 1);
  thicknessRow->addWidget(new QLabel("mm", group));
  rows.add("&Thickness :", thicknessRow, thickness_);
  connect(thickness_, &NumberField::committed, this,
          [this] { changeStrake("Strake thickness change", kRefreshAll); });
  materials_ = new QComboBox(group);
  materials_->setObjectName("CB_Mat");
  rows.add("&Material :", materials_);
  // The material is not part of the geometry: nothing to compute again.
  connect(materials_, &QComboBox::activated, this,
          [this] { changeStrake("Strake material change", Follow::Nothing); });
  return group;
}

void FM_Band::fillControls() {
  fillMaterialList(*materials_, session().ship());
  const BandPanelState state = bandPanelState(currentBulkhead());
  controls_->setEnabled(state.Enabled);
  showRows(*bands_, state.BandRows, state.BandRow);
  z_->setEnabled(state.Z.has_value());
  z_->showValue(state.Z);
  showRows(*strakes_, state.StrakeRows, state.StrakeRow);
  showStrake(state.Strake);
  if (focusNext_ != nullptr && isVisible()) focusNext_->setFocus();
  focusNext_ = nullptr;
}

void FM_Band::showStrake(const std::optional<StrakeData>& strake) {
  for (QWidget* control : std::initializer_list<QWidget*>{y_, thickness_, materials_,
                                                          strakeTools_[0], strakeTools_[1]}) {
    control->setEnabled(strake.has_value());
  }
  y_->showValue(strake ? std::optional<double>(strake->Y) : std::nullopt);
  thickness_->showValue(strake ? std::optional<double>(strake->Th) : std::nullopt);
  showCode(*materials_, strake ? strake->iMat - 1 : -1);
}

void FM_Band::changeStrake(const std::string& label, Follow follow) {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr || !bulkhead->StrakeBands.inBounds(bulkhead->CurBand)) return;
  const StrakeBand& band = bulkhead->StrakeBands.at(bulkhead->CurBand);
  if (!band.Strakes.inBounds(band.CurStrake)) return;
  const Strake& strake = band.Strakes.at(band.CurStrake);
  const StrakeData values{.Y = static_cast<Single>(y_->value()),
                          .Th = static_cast<Single>(thickness_->value()),
                          .iMat = materials_->currentIndex() < 0
                                      ? strake.iMat
                                      : static_cast<Integer>(materials_->currentIndex() + 1)};
  changeBulkhead(
      label, [values](Bulkhead& b) { setStrakeData(b, values); }, follow);
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
