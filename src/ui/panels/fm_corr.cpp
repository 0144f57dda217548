// The corrugation panel's controls, filled from the current bulkhead, and its one change.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fm_corr.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "edit/bulkhead_edits.h"
#include "main/toolbar_icons.h"

namespace korain {
namespace {

// The sketch of what S1, a and d measure.
QLabel* corrugationSketch(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName("PIC_Corr");
  label->setPixmap(picturePixmap(QStringLiteral("corrugation_sketch")));
  return label;
}

}  // namespace

FM_Corr::FM_Corr(Editor& editor, QWidget* parent)
    : Panel(editor, PanelCode::Corrugation, SelectorUse::Shown, parent) {
  setObjectName("FM_Corr");
  buildControls();
}

void FM_Corr::buildControls() {
  controls_ = new QWidget(this);
  auto* layout = new QVBoxLayout(controls_);
  layout->setContentsMargins(0, 0, 0, 0);
  body()->addWidget(controls_);

  auto* geometry = new QGroupBox("Geometry (m)", controls_);
  auto* grid = new QGridLayout(geometry);
  const std::array<const char*, 4> captions = {
      "Start :", "Spacing (S1) :", "Flange width (a) :", "Depth (d) :"};
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new NumberField(geometry);
    fields_[i]->setObjectName(QString("FTX_m_%1").arg(i));
    auto* caption = new QLabel(captions[i], geometry);
    caption->setBuddy(fields_[i]);
    grid->addWidget(caption, static_cast<int>(i), 0);
    grid->addWidget(fields_[i], static_cast<int>(i), 1);
    connect(fields_[i], &NumberField::committed, this, &FM_Corr::change);
  }
  grid->addWidget(corrugationSketch(geometry), static_cast<int>(fields_.size()), 0, 1, 2);
  layout->addWidget(geometry);

  auto* supports = new QGroupBox("Supports", controls_);
  auto* column = new QVBoxLayout;
  const std::array<const char*, 2> supportCaptions = {"&Fixed upper support",
                                                      "&Fixed lower support"};
  for (std::size_t i = 0; i < supports_.size(); ++i) {
    supports_[i] = new QCheckBox(supportCaptions[i], supports);
    supports_[i]->setObjectName(QString("OP_Support_%1").arg(i));
    column->addWidget(supports_[i]);
    connect(supports_[i], &QCheckBox::clicked, this, &FM_Corr::change);
  }
  supports->setLayout(column);
  layout->addWidget(supports);
}

void FM_Corr::fillControls() {
  const Bulkhead* bulkhead = currentBulkhead();
  controls_->setEnabled(bulkhead != nullptr);
  if (bulkhead == nullptr) {
    for (NumberField* field : fields_) field->showEmpty();
    for (QCheckBox* box : supports_) box->setChecked(false);
    return;
  }
  const Corrugation& corrugation = bulkhead->Corr;
  const std::array<Single, 4> values = {corrugation.Start, corrugation.S1, corrugation.A,
                                        corrugation.D};
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->showValue(values[i]);
  supports_[0]->setChecked(corrugation.FixedUpper);
  supports_[1]->setChecked(corrugation.FixedLower);
}

void FM_Corr::change() {
  const Corrugation values{.Start = static_cast<Single>(fields_[0]->value()),
                           .S1 = static_cast<Single>(fields_[1]->value()),
                           .A = static_cast<Single>(fields_[2]->value()),
                           .D = static_cast<Single>(fields_[3]->value()),
                           .FixedUpper = supports_[0]->isChecked(),
                           .FixedLower = supports_[1]->isChecked()};
  changeBulkhead("Corrugated data changes", [values](Bulkhead& b) { setCorrugation(b, values); });
}

}  // namespace korain
