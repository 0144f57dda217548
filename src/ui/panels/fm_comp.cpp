// The compartment panel's controls, filled from the side shown, and its changes and dialogs.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_comp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "dialogs/fm_lcm_kora.h"
#include "dialogs/fm_lem_kora.h"
#include "dialogs/fm_res_kora.h"
#include "model/codes.h"
#include "resonance/compartment_codes.h"
#include "text/string_table.h"
#include "view/bulkhead_panel_states.h"
#include "view/forms/forms.h"

namespace korain {
namespace {

// A list item as the family shows codes: the code, the separator, the name.
QString codeItem(Long code, const std::string& name) {
  return QString::number(code) + QString::fromStdString(korainString(text_id::kCodeSeparator)) +
         QString::fromStdString(name);
}

QPushButton* dialogButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QComboBox* namedList(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  return list;
}

}  // namespace

FM_Comp::FM_Comp(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Compartments, SelectorUse::Shown, parent) {
  setObjectName("FM_Comp");
  destinations_ = editor.session().run().NavalMode ? DestinationList::Naval : DestinationList::Full;
  buildControls();
}

void FM_Comp::buildControls() {
  controls_ = new QWidget(this);
  auto* grid = new QGridLayout(controls_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  FormRows rows(*controls_, *grid);
  body()->addWidget(controls_);
  binder_ = new FormBinder(editor(), *controls_);

  sides_ = namedList("CB_ForeAft", controls_);
  for (const Long side : {kForwardSide, kAftwardSide}) {
    sides_->addItem(QString::fromUtf8(sideText(side).value_or("")));
  }
  rows.add("&Input of :", sides_);
  connect(sides_, &QComboBox::activated, this, &FM_Comp::chooseSide);
  binder_->addRows(rows, compartmentForm());

  destination_ = namedList("CB_MainDest", controls_);
  for (const Long code : destinationCodes(destinations_)) {
    destination_->addItem(codeItem(code, mainDestinationText(code)));
  }
  rows.add("M&ain destination :", destination_);
  connect(destination_, &QComboBox::activated, this, &FM_Comp::chooseDestination);

  type_ = namedList("CB_Type", controls_);
  for (Long k = 1; k <= kCompartmentTypeCount; ++k) {
    type_->addItem(codeItem(k, compartmentTypeText(k)));
  }
  rows.add("&Type :", type_);
  connect(type_, &QComboBox::activated, this, &FM_Comp::chooseType);

  auto* buttons = new QHBoxLayout;
  loading_ = dialogButton("BT_lcm", "&Loading Cases", controls_);
  dimensions_ = dialogButton("BT_Lem", "Di&mensions", controls_);
  resonance_ = dialogButton("BT_R", "&Resonance", controls_);
  for (QPushButton* button : {loading_, dimensions_, resonance_}) buttons->addWidget(button);
  rows.addWide(buttons);
  connect(loading_, &QPushButton::clicked, this, &FM_Comp::openLoading);
  connect(dimensions_, &QPushButton::clicked, this, &FM_Comp::openDimensions);
  connect(resonance_, &QPushButton::clicked, this, &FM_Comp::openResonance);
}

void FM_Comp::fillControls() {
  const CompartmentPanelState state =
      compartmentPanelState(currentBulkhead(), side_, destinations_);
  controls_->setEnabled(state.Enabled);
  sides_->setCurrentIndex(side_ - 1);
  binder_->setPlace({.side = side_});
  binder_->fill();
  type_->setCurrentIndex(state.Type);
  destination_->setCurrentIndex(state.Destination);
  resonance_->setEnabled(state.ResonanceEnabled);
  // A disabled button shows its tip too: it says what the dialog waits for.
  resonance_->setToolTip(QString::fromStdString(state.ResonanceUnavailable));
}

void FM_Comp::showSubject(const Message& message) {
  if (message.index == kForwardCompartment || message.index == kAftwardCompartment) {
    side_ = message.index;
  }
}

void FM_Comp::chooseSide(int index) {
  if (editor().refreshing()) return;
  side_ = index + 1;
  session().refresh(Follow::Panel);
}

void FM_Comp::chooseType(int index) {
  const int side = side_;
  const Long type = index + 1;
  changeBulkhead(
      korainString(text_id::kCompartmentTypeChange),
      [side, type](Bulkhead& b) { setCompartmentType(b, side, type); }, Follow::Nothing);
}

void FM_Comp::chooseDestination(int index) {
  const int side = side_;
  const Long destination = destinationCodes(destinations_).at(static_cast<std::size_t>(index));
  changeBulkhead(
      korainString(text_id::kCompartmentTypeChange),
      [side, destination](Bulkhead& b) { setMainDestination(b, side, destination); },
      Follow::Nothing);
}

void FM_Comp::openLoading() {
  if (currentBulkhead() == nullptr) return;
  FM_LcmKora dialog(editor(), side_, this);
  dialog.exec();
}

void FM_Comp::openDimensions() {
  if (currentBulkhead() == nullptr) return;
  FM_LemKora dialog(editor(), side_, this);
  dialog.exec();
}

void FM_Comp::openResonance() {
  if (currentBulkhead() == nullptr) return;
  FM_ResKora dialog(editor(), side_, this);
  dialog.exec();
}

}  // namespace korain
