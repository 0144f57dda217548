// The bulkhead panel: its controls, how they are filled from the current
// bulkhead and how each change goes back into it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_bh.h"

#include <QFrame>
#include <QGridLayout>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "io/zel_format.h"
#include "model/codes.h"
#include "panels/form_rows.h"
#include "properties/bulkhead_weight.h"
#include "ship/ship_queries.h"
#include "view/bulkhead_panel_states.h"
#include "view/property_texts.h"
#include "view_state.h"
#include "widgets/material_list.h"

namespace korain {
namespace {

constexpr char kDataChanges[] = "Bulkhead data changes";
constexpr char kStoolChanges[] = "Enable stool changes";
constexpr char kSlopedChanges[] = "Enable upper stool sloped changes";

using CodeText = std::optional<std::string_view> (*)(Long);

QComboBox* codeList(const char* name, CodeText textOf, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(10);
  for (Long code = 0; const std::optional<std::string_view> text = textOf(code); ++code) {
    list->addItem(QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())));
  }
  return list;
}

// A list showing no item leaves the stored code as it was, so that a code the
// list cannot show is not lost when another field changes.
template <typename Code>
Code chosenCode(const QComboBox& list, Code stored, int offset = 0) {
  return list.currentIndex() < 0 ? stored : static_cast<Code>(list.currentIndex() + offset);
}

QFrame* rule(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

FM_Bh::FM_Bh(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Bulkhead, SelectorUse::Shown, parent) {
  setObjectName("FM_Bh");
  buildControls();

  // The name labels the bulkhead in the selector, the drawing and the messages.
  connect(name_, &CommitField::committed, this, [this] { changeData(Follow::Selector); });
  // The stiffener and corrugation tools depend on the type.
  connect(type_, &QComboBox::activated, this, [this] { changeData(Follow::Menus); });
  connect(material_, &QComboBox::activated, this, [this] { changeData(Follow::Nothing); });
  connect(side_, &QComboBox::activated, this, [this] { changeData(Follow::Nothing); });
  connect(direction_, &QComboBox::activated, this, [this] { changeData(kRefreshAll); });
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    connect(stoolZ_[i], &NumberField::committed, this, [this] { changeData(kRefreshAll); });
    connect(stool_[i], &QCheckBox::clicked, this, &FM_Bh::stoolClicked);
  }
  connect(upperStoolSloped_, &QCheckBox::clicked, this, &FM_Bh::upperStoolSlopedClicked);
}

void FM_Bh::buildControls() {
  form_ = new QWidget(this);
  auto* grid = new QGridLayout(form_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  FormRows rows(*form_, *grid);

  name_ = new CommitField(form_);
  name_->setObjectName("FTX_Name");
  // The database keeps no more of a name; a longer one would also widen the
  // bulkhead selector, and with it the panel column, beyond the window.
  name_->setMaxLength(kBulkheadNameWidth);
  rows.add("&Name :", name_);
  type_ = codeList("CB_Type", bulkheadTypeText, form_);
  rows.add("&Type :", type_);
  material_ = new QComboBox(form_);
  material_->setObjectName("CB_Mat");
  material_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  material_->setMinimumContentsLength(10);
  rows.add("&Material :", material_);
  // The two long captions read as sentences ending in the list's choice, so
  // each list sits under its caption across the panel's width.
  direction_ = codeList("CB_HorVer", directionText, form_);
  rows.addAbove("&Ordinary Stiffeners are", direction_);
  side_ = codeList("CB_ForeAft", sideText, form_);
  rows.addAbove("&Stiffeners are located in the", side_);

  rows.addWide(rule(form_));

  addStoolRows(rows);

  rows.addWide(rule(form_));
  weight_ = new QLabel(form_);
  weight_->setObjectName("LB_Weight");
  weight_->setWordWrap(true);
  weight_->setTextFormat(Qt::PlainText);
  weight_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  rows.addWide(weight_);
  body()->addWidget(form_);
}

void FM_Bh::addStoolRows(FormRows& rows) {
  const std::array<const char*, 2> stoolCaptions = {"Lower stool", "Upper stool"};
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    const QString index = QString::number(i);
    stool_[i] = new QCheckBox(stoolCaptions[i], form_);
    stool_[i]->setObjectName("OP_Stool_" + index);
    rows.addWide(stool_[i]);
    stoolZ_[i] = new NumberField(form_);
    stoolZ_[i]->setObjectName("FTX_m_" + index);
    stoolZ_[i]->setCaption(QString(stoolCaptions[i]) + " Z");
    stoolZLabel_[i] = rows.add("Z top / BL :", stoolZ_[i]);
  }
  upperStoolSloped_ = new QCheckBox("Upper stool is sloped", form_);
  upperStoolSloped_->setObjectName("OP_UpStoolSloped");
  rows.addWide(upperStoolSloped_);
}

void FM_Bh::fillControls() {
  fillMaterials();
  const std::optional<BulkheadData> shown = bulkheadPanelState(currentBulkhead()).Shown;
  form_->setEnabled(shown.has_value());
  name_->showText(shown ? QString::fromStdString(shown->Name) : QString());
  showCode(*material_, shown ? shown->iMat - 1 : -1);
  showCode(*direction_, shown ? shown->stfHV : -1);
  showCode(*side_, shown ? shown->stfside : -1);
  showCode(*type_, shown ? shown->Typ : -1);
  fillRows();
  showWeight();
}

void FM_Bh::showWeight() {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr) {
    weight_->clear();
    return;
  }
  const BulkheadWeight weight =
      bulkheadWeight(*bulkhead, arrangement().SymFlag, session().run().paths.SteelDensity,
                     spanProperties(*bulkhead, 0));
  weight_->setText(QString::fromStdString(bulkheadWeightText(weight)));
}

void FM_Bh::fillMaterials() { fillMaterialList(*material_, session().ship()); }

void FM_Bh::fillRows() {
  const BulkheadPanelState state = bulkheadPanelState(currentBulkhead());
  for (std::size_t i = 0; i < stool_.size(); ++i) {
    const StoolRow& row = state.Stools.at(i);
    stool_[i]->setChecked(row.On);
    if (row.Range) {
      stoolZ_[i]->setRange(row.Range->first, row.Range->second);
    } else {
      stoolZ_[i]->setRange(std::numeric_limits<double>::lowest(),
                           std::numeric_limits<double>::max());
    }
    stoolZ_[i]->showValue(row.Top);
    stoolZ_[i]->setEnabled(row.On);
    stoolZLabel_[i]->setEnabled(row.On);
  }
  upperStoolSloped_->setChecked(state.Shown && state.Shown->UpperStoolSloped);
  upperStoolSloped_->setEnabled(state.SlopedEditable);
}

BulkheadData FM_Bh::dataOfControls(const Bulkhead& bulkhead) const {
  BulkheadData values = bulkheadDataOf(bulkhead);
  values.Name = name_->text().toStdString();
  values.Stool1Z = static_cast<Single>(stoolZ_[0]->value());
  values.Stool2Z = static_cast<Single>(stoolZ_[1]->value());
  values.iMat = chosenCode(*material_, bulkhead.iMat, 1);
  values.stfHV = chosenCode(*direction_, bulkhead.stfHV);
  values.stfside = chosenCode(*side_, bulkhead.stfside);
  values.Typ = chosenCode(*type_, bulkhead.Typ);
  values.Stool1Enabled = stool_[0]->isChecked();
  values.Stool2Enabled = stool_[1]->isChecked();
  return values;
}

void FM_Bh::changeData(Follow follow) {
  const Bulkhead* bulkhead = currentBulkhead();
  if (bulkhead == nullptr) return;
  const BulkheadData values = dataOfControls(*bulkhead);
  changeBulkhead(
      kDataChanges, [&values](Bulkhead& b) { setBulkheadData(b, values); }, follow);
}

void FM_Bh::stoolClicked() {
  const bool lower = stool_[0]->isChecked();
  const bool upper = stool_[1]->isChecked();
  changeBulkhead(
      kStoolChanges, [lower, upper](Bulkhead& b) { setStools(b, lower, upper); }, Follow::Rows);
}

void FM_Bh::upperStoolSlopedClicked(bool ticked) {
  changeBulkhead(
      kSlopedChanges, [ticked](Bulkhead& b) { setUpperStoolSloped(b, ticked); }, Follow::Rows);
}

EditOutcome FM_Bh::addItem(Arrangement& a) {
  addBulkhead(a, defaultPlatingMaterial(session().ship()));
  return {};
}

EditOutcome FM_Bh::removeItem(Arrangement& a) { return removeBulkhead(a); }

EditScope FM_Bh::scopeOf(ItemCommand command) const {
  const Arrangement& a = arrangement();
  return EditScope::resizedAt(command == ItemCommand::Add ? a.Bulkheads.count() + 1
                                                          : a.CurBulkhead);
}

}  // namespace korain
